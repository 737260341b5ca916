#pragma once
// The results of the quantity parsers and the range functions: a value, or the reason it
// was refused, worded for the user.

#include <string>
#include <variant>

namespace alphastop {

struct Refusal {
  std::string message;  // one sentence without its final full stop
};

// Either a T or a Refusal. A Refusal converts to any Checked<U>, so a refusal met on the
// way passes through as it is: `if (auto* no = std::get_if<Refusal>(&r)) return *no;`.
template <typename T>
using Checked = std::variant<T, Refusal>;

}  // namespace alphastop
