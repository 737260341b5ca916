#pragma once
// Sequential reading of a text file by lines and by free-format numbers, counting lines.
// CRLF, LF and CR all end a line. Memory stays bounded whatever the file holds: a line or
// field is kept only up to a limit, the rest is stepped over.

#include <fstream>
#include <string>

namespace alphastop {

class TextStream {
 public:
  static constexpr std::size_t MaxKeptLineBytes = 4096;
  static constexpr std::size_t MaxKeptFieldBytes = 64;

  explicit TextStream(const std::string& path);
  bool IsOpen() const { return file_.is_open(); }

  // The line the next character belongs to, counted from 1.
  int Line() const { return line_; }

  // Reads up to the next line end and steps past it. False at the end of the file when
  // no character is left. Keeps at most MaxKeptLineBytes bytes of the line, fewer where
  // that would cut a UTF-8 character.
  bool ReadLine(std::string& bytes);

  // Skips blanks and line ends, then takes the characters of one field up to the next
  // blank, comma or line end, and steps over a comma that ends it. False at the end of
  // the file before a field begins. fieldLine is the line the field stands on; a field
  // longer than MaxKeptFieldBytes comes back cut to that length with truncated set.
  bool ReadField(std::string& field, int& fieldLine, bool& truncated);

 private:
  int Peek();
  int Get();
  void StepPastLineEnd(int endChar);

  std::ifstream file_;
  std::streambuf* buffer_ = nullptr;
  int line_ = 1;
};

}  // namespace alphastop
