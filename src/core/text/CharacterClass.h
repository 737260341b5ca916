#pragma once
// Character classes of the texts the program reads: data files, typed energies, formulas.
// ASCII only and independent of the C locale, unlike <cctype>.

#include <string_view>

namespace alphastop {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
// Blanks between fields on a line.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// Blanks and line ends: what a typed text or a trimmed field may carry around its content.
constexpr bool IsSpace(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }

// text without the blanks and line ends around it.
constexpr std::string_view TrimSpace(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace alphastop
