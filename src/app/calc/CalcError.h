#pragma once
// How a command of alphastop-calc fails: the exit status and the one line for standard error.

#include <stdexcept>
#include <string>

#include "core/units/Checked.h"

namespace alphastop::calc {

inline constexpr const char* CalculatorName = "alphastop-calc";

inline constexpr int ExitDone = 0;
inline constexpr int ExitUnreadable = 1;  // a table or folder that cannot be read
inline constexpr int ExitBadInput = 2;    // a text the user gave that is not what it must be

class CalcError : public std::runtime_error {
 public:
  CalcError(int status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  // A core refusal: exit 1 for what cannot be read, 2 for bad input; its message on one line.
  explicit CalcError(const Refusal& refusal)
      : CalcError(refusal.kind == RefusalKind::Unreadable ? ExitUnreadable : ExitBadInput,
                  OneLine(refusal)) {}
  int Status() const { return status_; }

 private:
  int status_;
};

// A text quoted for a message: "Silicn".
inline std::string Quote(const std::string& text) { return "\"" + text + "\""; }

}  // namespace alphastop::calc
