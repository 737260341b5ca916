#pragma once
// What the fuzz targets share: a failed promise stops the run with a message, so that
// libFuzzer keeps the input as a crash artifact.

#include <algorithm>
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
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  const auto digits = [&](std::size_t from, std::size_t count) {
    const auto part = text.substr(from, count);
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return (text.size() == 9 || text.size() == 10) && digits(0, 1) && text[1] == '.' && digits(2, 3) &&
         text[5] == 'E' && (text[6] == '+' || text[6] == '-') && digits(7, 3);
}

}  // namespace alphastop::fuzz
