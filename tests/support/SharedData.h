#pragma once
// Where the tests find the reference tables and published coefficients that live beside
// the project (not in it). ALPHASTOP_SHARED in the environment overrides the build's path.

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace alphastop::testing {

inline std::filesystem::path SharedDir() {
  const char* fromEnv = std::getenv("ALPHASTOP_SHARED");
  return fromEnv ? fromEnv : ALPHASTOP_SHARED_DIR;
}

// The folder of the reference tables (holding as/ and asc/), or nullopt where absent.
inline std::optional<std::filesystem::path> ReferenceDir() {
  const auto dir = SharedDir() / "reference";
  return std::filesystem::is_directory(dir / "as") ? std::optional(dir) : std::nullopt;
}

}  // namespace alphastop::testing

// Skips the current GoogleTest case when there is no shared folder beside the project. Where
// the shared folder is present its reference tables must be too: a missing one fails, so that
// a comparison cannot silently drop out of a run that should make it.
#define ALPHASTOP_REQUIRE_REFERENCE(dirVar)                                                      \
  if (!::alphastop::testing::ReferenceDir() &&                                                   \
      std::filesystem::is_directory(::alphastop::testing::SharedDir()))                          \
    FAIL() << "no reference tables under " << ::alphastop::testing::SharedDir() << "/reference"; \
  if (!::alphastop::testing::ReferenceDir())                                                     \
    GTEST_SKIP() << "no shared folder at " << ::alphastop::testing::SharedDir()                  \
                 << " (set ALPHASTOP_SHARED)";                                                   \
  const std::filesystem::path dirVar = *::alphastop::testing::ReferenceDir()
