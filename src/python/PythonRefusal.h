#pragma once
// The core's refusals on their way to Python: bad input raises ValueError, a file or folder
// that cannot be read raises OSError, each with the message on one line, as the calculator
// prints it.

#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

#include "core/units/Checked.h"

namespace alphastop::python {

class RefusalError : public std::runtime_error {
 public:
  explicit RefusalError(const Refusal& refusal)
      : std::runtime_error(OneLine(refusal)), kind_(refusal.kind) {}
  RefusalKind Kind() const { return kind_; }

 private:
  RefusalKind kind_;
};

// The value of a check; its refusal raised.
template <typename T>
T Accept(Checked<T> checked) {
  if (const Refusal* no = Refused(checked)) throw RefusalError(*no);
  return std::get<T>(std::move(checked));
}

// The refusal with prefix before its message ("\"30um\": ", "energy[3]: ").
Refusal Prefixed(const std::string& prefix, const Refusal& refusal);

// A text quoted for a message: "Silicn".
std::string Quote(const std::string& text);

// Makes RefusalError raise ValueError or OSError; called once, when the module loads.
void RegisterRefusalTranslator();

}  // namespace alphastop::python
