#pragma once
#include <string>
#include <string_view>

namespace alphastop {

// Bytes of a line as UTF-8: kept as they are where they are valid UTF-8, otherwise each
// byte taken as a Latin-1 character (the usual encoding of older data files).
std::string DecodeLine(std::string_view bytes);

// Drops an incomplete UTF-8 sequence from the end of bytes that were cut at a length
// limit, so that a line cut inside a character still reads as UTF-8, not as Latin-1.
void DropCutSequence(std::string& bytes);

// Bytes as text fit for a warning: decoded like a line, with control characters (C0, DEL
// and C1) written as \xNN, so that a NUL or an escape cannot cut or garble the message.
std::string PrintableText(std::string_view bytes);

// PrintableText in double quotes, for a message that quotes what the user gave: "Xx".
std::string QuotedText(std::string_view bytes);

// The first maxCharacters characters (code points) of UTF-8 text.
std::string FirstCharacters(std::string_view utf8, std::size_t maxCharacters);

}  // namespace alphastop
