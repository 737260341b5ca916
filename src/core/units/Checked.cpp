#include "core/units/Checked.h"

#include <algorithm>

namespace alphastop {

std::string OneLine(const Refusal& refusal) {
  std::string message = refusal.message;
  std::replace(message.begin(), message.end(), '\n', ' ');
  return message;
}

}  // namespace alphastop
