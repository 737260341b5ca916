#include "core/data/TextEncoding.h"

namespace alphastop {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the UTF-8 sequence starting at text[i], or 0 where it is not valid UTF-8
// (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) return 1;
  std::size_t length = 0;
  char32_t codePoint = 0;
  if ((c & 0xE0) == 0xC0) {
    length = 2;
    codePoint = c & 0x1F;
  } else if ((c & 0xF0) == 0xE0) {
    length = 3;
    codePoint = c & 0x0F;
  } else if ((c & 0xF8) == 0xF0) {
    length = 4;
    codePoint = c & 0x07;
  } else
    return 0;
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if (!IsContinuation(next)) return 0;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < smallest[length] || codePoint > 0x10FFFF) return 0;
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
  return length;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

std::string DecodeLine(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Latin1ToUtf8(bytes);
}

void DropCutSequence(std::string& bytes) {
  // A sequence is at most 4 bytes: its lead byte lies within the last 3 when it is cut.
  for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
    const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
    if (IsContinuation(c)) continue;
    const std::size_t needed = (c & 0xE0) == 0xC0   ? 2
                               : (c & 0xF0) == 0xE0 ? 3
                               : (c & 0xF8) == 0xF0 ? 4
                                                    : 1;
    if (needed > back) bytes.erase(bytes.end() - static_cast<std::ptrdiff_t>(back), bytes.end());
    return;
  }
}

std::string PrintableText(std::string_view bytes) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  const std::string text = DecodeLine(bytes);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    // C1 controls U+0080..U+009F are the UTF-8 pairs C2 80..C2 9F.
    const bool c1 =
        c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c1) c = static_cast<unsigned char>(text[++i]);
    if (c < 0x20 || c == 0x7F || c1) {
      out += "\\x";
      out += Hex[c >> 4];
      out += Hex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string QuotedText(std::string_view bytes) {
  // Appended piece by piece: "\"" + temporary + "\"" draws a false -Wrestrict from GCC 12.
  std::string quoted(1, '"');
  quoted += PrintableText(bytes);
  quoted += '"';
  return quoted;
}

std::string FirstCharacters(std::string_view utf8, std::size_t maxCharacters) {
  std::size_t end = 0;
  for (std::size_t count = 0; count < maxCharacters && end < utf8.size(); ++count) {
    do {
      ++end;
    } while (end < utf8.size() && IsContinuation(static_cast<unsigned char>(utf8[end])));
  }
  return std::string(utf8.substr(0, end));
}

}  // namespace alphastop
