#pragma once
// What the fuzz targets share: a failed promise stops the run with a message, so that
// libFuzzer keeps the input as a crash artifact.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

namespace alphastop::fuzz {

inline void Require(bool promise, const char* what, std::string_view detail = {}) {
  if (promise) return;
  std::fprintf(stderr, "broken promise: %s [%.*s]\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

// "0.000E+00": an optional minus, one digit, ".", three digits, "E", a sign, two or three digits.
inline bool IsReadoutText(const std::string& text) {
  static const std::regex pattern(R"(-?[0-9]\.[0-9]{3}E[+-][0-9]{2,3})");
  return std::regex_match(text, pattern);
}

}  // namespace alphastop::fuzz
