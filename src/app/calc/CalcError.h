#pragma once
// How a command of alphastop-calc fails: the exit status and the one line for standard error.

#include <stdexcept>
#include <string>

namespace alphastop::calc {

inline constexpr int ExitDone = 0;
inline constexpr int ExitUnreadable = 1;  // a table or folder that cannot be read
inline constexpr int ExitBadInput = 2;    // a text the user gave that is not what it must be

class CalcError : public std::runtime_error {
 public:
  CalcError(int status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  int Status() const { return status_; }

 private:
  int status_;
};

// A text quoted for a message: "Silicn".
inline std::string Quote(const std::string& text) { return "\"" + text + "\""; }

}  // namespace alphastop::calc
