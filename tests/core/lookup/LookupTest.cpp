// The lookups: reading a typed energy, the readout format and interpolation in a table. The
// window tests take the range of typed energies and the cursor lines.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <sstream>

#include "core/data/MaterialFile.h"
#include "core/data/TextEncoding.h"
#include "core/lookup/EnergyInput.h"
#include "core/lookup/Interpolation.h"
#include "core/text/NumberFormat.h"
#include "support/CheckedValue.h"
#include "support/SharedData.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using Limits = std::numeric_limits<double>;
constexpr double Infinity = Limits::infinity();

TEST(ReadTypedEnergy, ReadsTheLeadingNumberSkippingBlanksAnywhereAndItsEnergyUnit) {
  const struct {
    const char* text;
    double energy;
  } cases[] = {{"5", 5},
               {"+5", 5},
               {"-5", -5},
               {"0.001", 0.001},
               {".5", 0.5},
               {"-.5", -0.5},
               {"5.", 5},
               {"1e2", 100},
               {"1E2", 100},
               {"1e-3", 0.001},
               {"2.5E+1", 25},
               {"1e0000000000000000000002", 100},
               // blanks, tabs and line ends are skipped
               {"1 5", 15},
               {"  0.001", 0.001},
               {"- 5", -5},
               {"\t1\r\n2", 12},
               {"1 e 2", 100},
               {"1e\t-\n3", 0.001},
               {"1.\r5", 1.5},
               // a unit of energy after the number, in any letter case
               {"5 MeV", 5},
               {"800keV", 0.8},
               {"1 GeV", 1000},
               {"5.5 keV", 0.0055},
               {"2500eV", 0.0025},
               {"1e2eV", 1e-4},
               {"7 m e v", 7},
               // no leading number
               {"", 0},
               {"abc", 0},
               {".", 0},
               {"-", 0},
               {"--5", 0},
               {"+-5", 0},
               {"e5", 0},
               {",5", 0},
               {" \t\r\n", 0},
               // beyond a double
               {"1e999", Infinity},
               {"-1e999", -Infinity},
               {"0.0000000001e400", Infinity},
               {"1e99999999999999999999", Infinity},
               {"1e999 keV", Infinity},
               {"1e-999", 0},
               {"100000e-330", 0},
               {"1e-310", 1e-310}};
  for (const auto& c : cases) {
    const Checked<double> read = ReadTypedEnergy(c.text);
    ASSERT_TRUE(std::holds_alternative<double>(read)) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(std::get<double>(read), c.energy) << '"' << c.text << '"';
  }
  // Anything else after the number is refused, named as typed: no energy is guessed.
  const std::pair<const char*, const char*> refused[] = {
      {"5,5", "\",5\""},   {"1.2.3", "\".3\""}, {"5 furlongs", "\"furlongs\""}, {"1e", "\"e\""},
      {"1e-x", "\"e-x\""}, {"7d2", "\"d2\""},   {"5 Me V x", "\"Me V x\""}};
  for (const auto& [text, rest] : refused) {
    const Checked<double> read = ReadTypedEnergy(text);
    const auto* no = std::get_if<Refusal>(&read);
    ASSERT_TRUE(no) << text;
    EXPECT_TRUE(no->message.starts_with(QuotedText(text) + ": " + rest)) << no->message;
  }
}

TEST(ReadoutFormat, WritesFourSignificantDigitsAndASignedExponentWhateverTheCLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
    std::setlocale(LC_ALL, "fr_FR.UTF-8");  // a decimal comma, where installed
  const struct {
    double value;
    const char* text;
  } cases[] = {{5, "5.000E+00"},
               {0.0015, "1.500E-03"},
               {1000, "1.000E+03"},
               {87.76296, "8.776E+01"},
               {1.23456, "1.235E+00"},
               {12345678, "1.235E+07"},
               {0, "0.000E+00"},
               {-0.0, "0.000E+00"},
               {-5, "-5.000E+00"},
               {-0.0015, "-1.500E-03"},
               // rounding that carries into the exponent
               {9.9996, "1.000E+01"},
               {9.9994, "9.999E+00"},
               {999.96, "1.000E+03"},
               {0.00099996, "1.000E-03"},
               {-9.9996, "-1.000E+01"},
               {9.99996e99, "1.000E+100"},
               // extreme magnitudes and non-finite values
               {1e100, "1.000E+100"},
               {1.5e-300, "1.500E-300"},
               {Limits::max(), "1.798E+308"},
               {Limits::denorm_min(), "4.941E-324"},
               {-Limits::denorm_min(), "-4.941E-324"},
               {Limits::infinity(), "inf"},
               {-Limits::infinity(), "-inf"},
               {Limits::quiet_NaN(), "nan"},
               {-Limits::quiet_NaN(), "nan"}};
  for (const auto& c : cases) EXPECT_EQ(FormatReadout(c.value), c.text) << c.value;
  std::setlocale(LC_ALL, previous.c_str());
}

// The readouts of an interpolation: electronic, nuclear and total, or "none" without a bracket.
std::string Readouts(const std::optional<StopPowers>& s) {
  return s ? FormatReadout(s->electronic) + " " + FormatReadout(s->nuclear) + " " +
                 FormatReadout(s->total)
           : "none";
}

TEST(Interpolation, FollowsTheLogLogLineOfEachColumnThroughTheFirstTwoRows) {
  MaterialTable table = testing::GeometricTable(2, 2000);  // rows 3.. climb on from 2 MeV
  table.rows[0] = {1, {100, 1, 200}, {}, {}};
  table.rows[1] = {2, {80, 0.5, 100}, {}, {}};
  // The total at 1.5 MeV is 133.3 from its own column, not the 88.4 of electronic + nuclear.
  const std::pair<double, const char*> cases[] = {{1.5, "8.776E+01 6.667E-01 1.333E+02"},
                                                  {1.0, "1.000E+02 1.000E+00 2.000E+02"},
                                                  {2.0, "8.000E+01 5.000E-01 1.000E+02"},
                                                  {0.5, "1.250E+02 2.000E+00 4.000E+02"}};
  for (const auto& [energy, texts] : cases)
    EXPECT_EQ(Readouts(InterpolateStopPower(table, energy)), texts) << energy;
}

TEST(Interpolation, TabulatedEnergiesOfAReferenceTableReadTheirRowsTexts) {
  ALPHASTOP_REQUIRE_REFERENCE(reference);
  for (const char* name : {"as/Gold.as", "asc/Water_liquid.asc"}) {
    const MaterialTable table = testing::Value(ReadMaterialTable((reference / name).string()));
    for (int r = 1; r <= RowCount; ++r) {
      std::istringstream row(table.RowText(r));
      std::string energy, electronic, nuclear, total;
      row >> energy >> electronic >> nuclear >> total;
      EXPECT_EQ(FormatReadout(table.Energy(r)), energy) << name << " row " << r;
      EXPECT_EQ(Readouts(InterpolateStopPower(table, table.Energy(r))),
                electronic + " " + nuclear + " " + total)
          << name << " row " << r;
    }
  }
}

TEST(Interpolation, AboveTheLastEnergyHasNoBracket) {
  const MaterialTable table = testing::GeometricTable(0.001, 500);
  EXPECT_NE(Readouts(InterpolateStopPower(table, 500)), "none");
  for (double energy : {std::nextafter(500.0, 1000.0), 1000.0, Infinity})
    EXPECT_EQ(Readouts(InterpolateStopPower(table, energy)), "none");
}

}  // namespace
}  // namespace alphastop
