#pragma once
// The value of a core result in a test, failing the test where it was refused.

#include <gtest/gtest.h>

#include <string>

#include "core/units/Checked.h"

namespace alphastop::testing {

template <typename T>
T Value(const Checked<T>& checked) {
  if (const Refusal* no = Refused(checked)) ADD_FAILURE() << "refused: " << no->message;
  return ValueOf(checked) ? *ValueOf(checked) : T{};
}

// The refusal's message, or "(not refused)".
template <typename T>
std::string RefusalText(const Checked<T>& checked) {
  return Refused(checked) ? Refused(checked)->message : "(not refused)";
}

}  // namespace alphastop::testing
