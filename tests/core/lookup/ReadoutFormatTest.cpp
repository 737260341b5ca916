#include "core/lookup/ReadoutFormat.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace alphastop {
namespace {

struct FormatCase {
  double value;
  std::string text;
};

class ReadoutFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ReadoutFormatTest, WritesFourSignificantDigitsAndSignedExponent) {
  EXPECT_EQ(FormatReadout(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(PlainValues, ReadoutFormatTest, ::testing::Values(
    FormatCase{5, "5.000E+00"},
    FormatCase{0.0015, "1.500E-03"},
    FormatCase{1000, "1.000E+03"},
    FormatCase{87.76296, "8.776E+01"},
    FormatCase{1.23456, "1.235E+00"},
    FormatCase{12345678, "1.235E+07"},
    FormatCase{0, "0.000E+00"},
    FormatCase{-0.0, "0.000E+00"},
    FormatCase{-5, "-5.000E+00"},
    FormatCase{-0.0015, "-1.500E-03"}));

INSTANTIATE_TEST_SUITE_P(RoundingCarriesIntoExponent, ReadoutFormatTest, ::testing::Values(
    FormatCase{9.9996, "1.000E+01"},
    FormatCase{9.9994, "9.999E+00"},
    FormatCase{999.96, "1.000E+03"},
    FormatCase{0.00099996, "1.000E-03"},
    FormatCase{-9.9996, "-1.000E+01"},
    FormatCase{9.99996e99, "1.000E+100"}));

INSTANTIATE_TEST_SUITE_P(ExtremeMagnitudes, ReadoutFormatTest, ::testing::Values(
    FormatCase{1e100, "1.000E+100"},
    FormatCase{1.5e-300, "1.500E-300"},
    FormatCase{std::numeric_limits<double>::max(), "1.798E+308"},
    FormatCase{std::numeric_limits<double>::denorm_min(), "4.941E-324"},
    FormatCase{-std::numeric_limits<double>::denorm_min(), "-4.941E-324"}));

INSTANTIATE_TEST_SUITE_P(NonFinite, ReadoutFormatTest, ::testing::Values(
    FormatCase{std::numeric_limits<double>::infinity(), "inf"},
    FormatCase{-std::numeric_limits<double>::infinity(), "-inf"},
    FormatCase{std::numeric_limits<double>::quiet_NaN(), "nan"},
    FormatCase{-std::numeric_limits<double>::quiet_NaN(), "nan"}));

}  // namespace
}  // namespace alphastop
