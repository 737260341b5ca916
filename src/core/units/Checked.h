#pragma once
// The one result type of the core for what may be refused: a value, or the reason it was
// refused, worded for the user. A check without a value gives std::optional<Refusal>:
// nullopt where its input passes.

#include <optional>
#include <string>
#include <variant>

namespace alphastop {

// What kind of fault a refusal reports; the command-line tools exit with 2 for bad input
// and 1 for what cannot be read.
enum class RefusalKind {
  BadInput,    // a text, a name, an option or a material the user gave is not what it must be
  Unreadable,  // a file or folder that cannot be read, or whose content is damaged
};

struct Refusal {
  // One sentence without its final full stop, quoting the text at fault; a file's warning
  // is two sentences on two lines ("The file \"x\" cannot be read.\nLine 12: ...").
  std::string message;
  RefusalKind kind = RefusalKind::BadInput;
  int line = 0;  // the file's line at fault (1-based) for a file's refusal; 0 where none
};

// Either a T or a Refusal. A Refusal converts to any Checked<U>, so a refusal met on the
// way passes through as it is: `if (const Refusal* no = Refused(r)) return *no;`.
template <typename T>
using Checked = std::variant<T, Refusal>;

// The refusal held, or nullptr where a value is.
template <typename T>
const Refusal* Refused(const Checked<T>& checked) {
  return std::get_if<Refusal>(&checked);
}

// The value held, or nullptr where a refusal is.
template <typename T>
const T* ValueOf(const Checked<T>& checked) {
  return std::get_if<T>(&checked);
}

// A refusal's message on one line: a file's two sentences joined by a blank.
std::string OneLine(const Refusal& refusal);

}  // namespace alphastop
