#include "core/lookup/EnergyInput.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace alphastop {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct TypedCase {
  std::string text;
  double energy;
};

// Control characters written as escapes keep the generated test names on one line.
void PrintText(const std::string& text, std::ostream* os) {
  *os << '"';
  for (char c : text) {
    if (c == '\t') *os << "\\t";
    else if (c == '\r') *os << "\\r";
    else if (c == '\n') *os << "\\n";
    else *os << c;
  }
  *os << '"';
}

void PrintTo(const TypedCase& c, std::ostream* os) { PrintText(c.text, os); }

class ReadTypedEnergyTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(ReadTypedEnergyTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(ReadTypedEnergy(GetParam().text), GetParam().energy);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReadTypedEnergyTest, ::testing::Values(
    TypedCase{"5", 5}, TypedCase{"+5", 5}, TypedCase{"-5", -5}, TypedCase{"0.001", 0.001},
    TypedCase{".5", 0.5}, TypedCase{"-.5", -0.5}, TypedCase{"5.", 5},
    TypedCase{"1e2", 100}, TypedCase{"1E2", 100}, TypedCase{"1e-3", 0.001},
    TypedCase{"2.5E+1", 25}, TypedCase{"1e0000000000000000000002", 100}));

INSTANTIATE_TEST_SUITE_P(SkippedCharacters, ReadTypedEnergyTest, ::testing::Values(
    TypedCase{"1 5", 15}, TypedCase{"  0.001", 0.001}, TypedCase{"- 5", -5},
    TypedCase{"\t1\r\n2", 12}, TypedCase{"1 e 2", 100}, TypedCase{"1e\t-\n3", 0.001},
    TypedCase{"1.\r5", 1.5}));

INSTANTIATE_TEST_SUITE_P(StopsAtTheFirstForeignCharacter, ReadTypedEnergyTest, ::testing::Values(
    TypedCase{"5 MeV", 5}, TypedCase{"1.2.3", 1.2}, TypedCase{"1,5", 1},
    TypedCase{"1e", 1}, TypedCase{"1e+", 1}, TypedCase{"1e-x", 1}, TypedCase{"7d2", 7}));

INSTANTIATE_TEST_SUITE_P(NoLeadingNumberReadsZero, ReadTypedEnergyTest, ::testing::Values(
    TypedCase{"", 0}, TypedCase{"abc", 0}, TypedCase{".", 0}, TypedCase{"-", 0},
    TypedCase{"--5", 0}, TypedCase{"+-5", 0}, TypedCase{"e5", 0}, TypedCase{" \t\r\n", 0}));

INSTANTIATE_TEST_SUITE_P(BeyondADouble, ReadTypedEnergyTest, ::testing::Values(
    TypedCase{"1e999", Infinity}, TypedCase{"-1e999", -Infinity},
    TypedCase{"0.0000000001e400", Infinity}, TypedCase{"1e99999999999999999999", Infinity},
    TypedCase{"1e-999", 0}, TypedCase{"100000e-330", 0}, TypedCase{"1e-310", 1e-310}));

struct RangeCase {
  std::string text;
  bool accepted;
};

void PrintTo(const RangeCase& c, std::ostream* os) { PrintText(c.text, os); }

class TypedEnergyRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(TypedEnergyRangeTest, AcceptsOnlyTheTabulatedSpan) {
  EXPECT_EQ(IsEnergyInRange(ReadTypedEnergy(GetParam().text)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Bounds, TypedEnergyRangeTest, ::testing::Values(
    RangeCase{"0.001", true}, RangeCase{"1000", true}, RangeCase{"5 MeV", true},
    RangeCase{"1e-3", true}, RangeCase{"0.000999", false}, RangeCase{"1000.001", false},
    RangeCase{"", false}, RangeCase{"abc", false}, RangeCase{"-5", false},
    RangeCase{"1e999", false}, RangeCase{"-1e999", false}));

TEST(EnergyRangeTest, RefusesNotANumber) {
  EXPECT_FALSE(IsEnergyInRange(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace alphastop
