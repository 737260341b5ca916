#include "core/lookup/EnergyInput.h"

#include <gtest/gtest.h>

#include <limits>

namespace alphastop {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(ReadTypedEnergy, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
  const struct { const char* text; double energy; } cases[] = {
      {"5", 5}, {"+5", 5}, {"-5", -5}, {"0.001", 0.001}, {".5", 0.5}, {"-.5", -0.5}, {"5.", 5},
      {"1e2", 100}, {"1E2", 100}, {"1e-3", 0.001}, {"2.5E+1", 25}, {"1e0000000000000000000002", 100},
      // blanks, tabs and line ends are skipped
      {"1 5", 15}, {"  0.001", 0.001}, {"- 5", -5}, {"\t1\r\n2", 12}, {"1 e 2", 100},
      {"1e\t-\n3", 0.001}, {"1.\r5", 1.5},
      // the reading stops at the first character that cannot continue the number
      {"5 MeV", 5}, {"1.2.3", 1.2}, {"1,5", 1}, {"1e", 1}, {"1e+", 1}, {"1e-x", 1}, {"7d2", 7},
      // no leading number
      {"", 0}, {"abc", 0}, {".", 0}, {"-", 0}, {"--5", 0}, {"+-5", 0}, {"e5", 0}, {" \t\r\n", 0},
      // beyond a double
      {"1e999", Infinity}, {"-1e999", -Infinity}, {"0.0000000001e400", Infinity},
      {"1e99999999999999999999", Infinity}, {"1e-999", 0}, {"100000e-330", 0}, {"1e-310", 1e-310}};
  for (const auto& c : cases) EXPECT_EQ(ReadTypedEnergy(c.text), c.energy) << '"' << c.text << '"';
}

TEST(IsEnergyInRange, AcceptsOnlyTheTabulatedSpan) {
  for (const char* text : {"0.001", "1000", "5 MeV", "1e-3"})
    EXPECT_TRUE(IsEnergyInRange(ReadTypedEnergy(text))) << text;
  for (const char* text : {"0.000999", "1000.001", "", "abc", "-5", "1e999", "-1e999"})
    EXPECT_FALSE(IsEnergyInRange(ReadTypedEnergy(text))) << text;
  EXPECT_FALSE(IsEnergyInRange(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace alphastop
