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
#include <variant>

#include "core/units/Checked.h"

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

// The promise of every refusal a user reads: a message, on one line where it quotes typed text.
template <typename Checked>
void RequireRefusalSays(const Checked& checked, std::string_view text) {
  if (const auto* no = std::get_if<alphastop::Refusal>(&checked))
    Require(!no->message.empty(), "a refusal says why", text);
}

}  // namespace alphastop::fuzz
