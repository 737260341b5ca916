#include "core/data/FileRefusal.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/data/TextStream.h"

namespace alphastop {
namespace {

// Why a path cannot be read as a data file, or nullopt where it can be opened for reading.
std::optional<std::string> WhyNotReadable(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return "the file does not exist (any more)";
  if (std::filesystem::is_directory(status)) return "this is a folder, not a data file";
  // A pipe or device could block or never end; data files are plain files.
  if (!std::filesystem::is_regular_file(status)) return "this is not a plain file";
  return std::nullopt;
}

// Files saved as UTF-16 hold a byte-order mark and a NUL beside every ASCII character.
bool LooksLikeUtf16(const std::string& firstLine) {
  if (firstLine.size() < 2) return false;
  const auto b0 = static_cast<unsigned char>(firstLine[0]);
  const auto b1 = static_cast<unsigned char>(firstLine[1]);
  return (b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF);
}

}  // namespace

Refusal FileRefusal(const std::string& path, int line, std::string problem) {
  std::string message = "The file \"" + path + "\" cannot be read.\n";
  if (line > 0) {
    message += "Line " + std::to_string(line) + ": " + problem + ".";
  } else {
    if (!problem.empty())
      problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
    message += problem + ".";
  }
  return {std::move(message), RefusalKind::Unreadable, line};
}

std::optional<Refusal> OpenRefusal(const std::string& path, const TextStream& stream) {
  if (auto why = WhyNotReadable(path)) return FileRefusal(path, 0, *why);
  if (!stream.IsOpen())
    return FileRefusal(path, 0, "the file cannot be opened (no permission to read it?)");
  return std::nullopt;
}

// Text files hold no NUL byte; UTF-16 without a byte-order mark and binary data hold many.
std::optional<Refusal> NotTextRefusal(const std::string& path, int line, const std::string& bytes) {
  if (line == 1 && LooksLikeUtf16(bytes))
    return FileRefusal(path, 1, "the file is UTF-16 text; save it as UTF-8, Latin-1 or ASCII text");
  if (bytes.find('\0') != std::string::npos)
    return FileRefusal(
        path, line,
        "the line holds NUL bytes, so this is no text file (UTF-16 without a byte-order mark, "
        "or binary data)");
  return std::nullopt;
}

}  // namespace alphastop
