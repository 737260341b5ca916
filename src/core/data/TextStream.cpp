#include "core/data/TextStream.h"

#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

constexpr int EndOfFile = std::char_traits<char>::eof();

bool IsLineEnd(int c) { return c == '\n' || c == '\r'; }

}  // namespace

TextStream::TextStream(const std::string& path) : file_(path, std::ios::binary) {
  if (file_.is_open()) buffer_ = file_.rdbuf();
}

int TextStream::Peek() { return buffer_ ? buffer_->sgetc() : EndOfFile; }
int TextStream::Get() { return buffer_ ? buffer_->sbumpc() : EndOfFile; }

void TextStream::StepPastLineEnd(int endChar) {
  if (endChar == '\r' && Peek() == '\n') Get();
  ++line_;
}

bool TextStream::ReadLine(std::string& bytes) {
  bytes.clear();
  int c = Get();
  if (c == EndOfFile) return false;
  bool cut = false;
  while (c != EndOfFile && !IsLineEnd(c)) {
    if (bytes.size() < MaxKeptLineBytes)
      bytes += static_cast<char>(c);
    else
      cut = true;
    c = Get();
  }
  if (cut) DropCutSequence(bytes);
  if (IsLineEnd(c)) StepPastLineEnd(c);
  return true;
}

bool TextStream::ReadField(std::string& field, int& fieldLine, bool& truncated) {
  field.clear();
  truncated = false;
  int c = Peek();
  while (IsBlank(c) || IsLineEnd(c)) {
    Get();
    if (IsLineEnd(c)) StepPastLineEnd(c);
    c = Peek();
  }
  if (c == EndOfFile) return false;
  fieldLine = line_;
  while (c != EndOfFile && !IsBlank(c) && !IsLineEnd(c) && c != ',') {
    if (field.size() < MaxKeptFieldBytes)
      field += static_cast<char>(c);
    else
      truncated = true;
    Get();
    c = Peek();
  }
  // "1 , 2" separates like "1,2": a comma after the blanks that end a field belongs to it.
  while (IsBlank(c)) {
    Get();
    c = Peek();
  }
  if (c == ',') Get();
  return true;
}

}  // namespace alphastop
