#pragma once
// What the fuzz targets share: a failed promise stops the run with a message, so that
// libFuzzer keeps the input as a crash artifact.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace alphastop::fuzz {

inline void Require(bool promise, const char* what, std::string_view detail = {}) {
  if (promise) return;
  std::fprintf(stderr, "broken promise: %s [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

// "0.000E+00": an optional minus, one digit, ".", three digits, "E", a sign, two or three digits.
inline bool IsReadoutText(std::string_view text) {
  auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  if (!digit(i) || i + 1 >= text.size() || text[i + 1] != '.') return false;
  i += 2;
  for (int k = 0; k < 3; ++k, ++i)
    if (!digit(i)) return false;
  if (i >= text.size() || text[i] != 'E') return false;
  ++i;
  if (i >= text.size() || (text[i] != '+' && text[i] != '-')) return false;
  ++i;
  const std::size_t exponentDigits = text.size() - i;
  if (exponentDigits < 2 || exponentDigits > 3) return false;
  for (; i < text.size(); ++i)
    if (!digit(i)) return false;
  return true;
}

}  // namespace alphastop::fuzz
