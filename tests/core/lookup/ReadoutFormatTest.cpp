#include "core/lookup/ReadoutFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace alphastop {
namespace {

using Limits = std::numeric_limits<double>;

TEST(ReadoutFormat, WritesFourSignificantDigitsAndASignedExponent) {
  const struct { double value; const char* text; } cases[] = {
      {5, "5.000E+00"}, {0.0015, "1.500E-03"}, {1000, "1.000E+03"}, {87.76296, "8.776E+01"},
      {1.23456, "1.235E+00"}, {12345678, "1.235E+07"}, {0, "0.000E+00"}, {-0.0, "0.000E+00"},
      {-5, "-5.000E+00"}, {-0.0015, "-1.500E-03"},
      // rounding that carries into the exponent
      {9.9996, "1.000E+01"}, {9.9994, "9.999E+00"}, {999.96, "1.000E+03"},
      {0.00099996, "1.000E-03"}, {-9.9996, "-1.000E+01"}, {9.99996e99, "1.000E+100"},
      // extreme magnitudes and non-finite values
      {1e100, "1.000E+100"}, {1.5e-300, "1.500E-300"}, {Limits::max(), "1.798E+308"},
      {Limits::denorm_min(), "4.941E-324"}, {-Limits::denorm_min(), "-4.941E-324"},
      {Limits::infinity(), "inf"}, {-Limits::infinity(), "-inf"}, {Limits::quiet_NaN(), "nan"},
      {-Limits::quiet_NaN(), "nan"}};
  for (const auto& c : cases) EXPECT_EQ(FormatReadout(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace alphastop
