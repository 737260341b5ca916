// Quantities typed with their units: energies, thicknesses and ranges, good and bad, and
// thicknesses turned into areal densities with a material's density.

#include <gtest/gtest.h>

#include <cstdio>

#include "core/text/NumberFormat.h"
#include "core/units/QuantityText.h"

namespace alphastop {
namespace {

enum Parser { Energy, Thick };

// What text reads as: "<value> MeV", "<value> g/cm2" or "<value> cm", or the refusal.
std::string Outcome(Parser parser, const char* text) {
  char shown[40];
  if (parser == Energy) {
    const auto energy = ParseEnergy(text);
    if (const auto* no = std::get_if<Refusal>(&energy)) return no->message;
    std::snprintf(shown, sizeof shown, "%.12g MeV", std::get<double>(energy));
  } else {
    const auto thickness = ParseThickness(text);
    if (const auto* no = std::get_if<Refusal>(&thickness)) return no->message;
    const Thickness t = std::get<Thickness>(thickness);
    std::snprintf(shown, sizeof shown, "%.12g %s", t.value,
                  t.kind == ThicknessKind::Length ? "cm" : "g/cm2");
  }
  return shown;
}

const struct {
  Parser parser;
  const char* text;
  const char* outcome;
} Cases[] = {
    {Energy, "5.5", "5.5 MeV"},
    {Energy, "5.5MeV", "5.5 MeV"},
    {Energy, " 5.5 \tMeV ", "5.5 MeV"},
    {Energy, "800keV", "0.8 MeV"},
    {Energy, "1GeV", "1000 MeV"},
    {Energy, "2500eV", "0.0025 MeV"},
    {Energy, "1e2keV", "0.1 MeV"},
    {Energy, "+2E-1 gev", "200 MeV"},
    {Energy, "5 mev", "5 MeV"},
    {Thick, "30um", "0.003 cm"},
    {Thick, "30 \u00B5m", "0.003 cm"},
    {Thick, "30\u03BCm", "0.003 cm"},
    {Thick, "7 nm", "7e-07 cm"},
    {Thick, "2mm", "0.2 cm"},
    {Thick, "2 cm", "2 cm"},
    {Thick, "0.5 m", "50 cm"},
    {Thick, "40ug/cm2", "4e-05 g/cm2"},
    {Thick, "40 \u00B5g/cm2", "4e-05 g/cm2"},
    {Thick, "2.5 mg/cm2", "0.0025 g/cm2"},
    {Thick, "1.5 g/cm2", "1.5 g/cm2"},
    {Thick, " 0.02 ", "0.02 g/cm2"},
    {Thick, "0", "0 g/cm2"},
    {Thick, "-0 um", "0 cm"},
    {Energy, "", "\"\": no number is given"},
    {Energy, "   ", "\"   \": no number is given"},
    {Energy, "abc", "\"abc\": not a number"},
    {Energy, "1..2", "\"1..2\": not a number"},
    {Energy, "1 5", "\"1 5\": not a number"},
    {Energy, "nan", "\"nan\": not a number"},
    {Energy, "inf", "\"inf\": not a number"},
    {Energy, "1e999", "\"1e999\": the number is out of range"},
    {Energy, "1e307 GeV", "\"1e307 GeV\": the number is out of range"},
    {Energy, "-5", "\"-5\": an energy must be greater than zero"},
    {Energy, "0 keV", "\"0 keV\": an energy must be greater than zero"},
    {Energy, "5 um", "\"5 um\": unknown unit \"um\" (use eV, keV, MeV or GeV)"},
    {Thick, "5 furlongs",
     "\"5 furlongs\": unknown unit \"furlongs\" (use um, nm, mm, cm, m, ug/cm2, mg/cm2 or g/cm2)"},
    {Thick, "5 UM",
     "\"5 UM\": unknown unit \"UM\" (use um, nm, mm, cm, m, ug/cm2, mg/cm2 or g/cm2)"},
    {Thick, "5 Mm",
     "\"5 Mm\": unknown unit \"Mm\" (use um, nm, mm, cm, m, ug/cm2, mg/cm2 or g/cm2)"},
    {Thick, "-1 mm", "\"-1 mm\": a thickness cannot be negative"},
    {Thick, "1e307 m", "\"1e307 m\": the number is out of range"}};

TEST(QuantityText, ReadsEachTextAsItsValueOrRefusesItQuotingTheText) {
  for (const auto& c : Cases)
    EXPECT_EQ(Outcome(c.parser, c.text), c.outcome) << '"' << c.text << '"';
}

TEST(Thickness, ALengthNeedsTheDensityAndComesBackInMicrometres) {
  const Thickness thirtyMicrometres{ThicknessKind::Length, 30e-4};
  EXPECT_DOUBLE_EQ(std::get<double>(ToArealDensity(thirtyMicrometres, 2.33)), 30e-4 * 2.33);
  EXPECT_DOUBLE_EQ(ArealDensityToMicrometres(30e-4 * 2.33, 2.33), 30);
  EXPECT_DOUBLE_EQ(MicrometresToArealDensity(30, 2.33), 30e-4 * 2.33);
  EXPECT_EQ(std::get<double>(ToArealDensity({ThicknessKind::ArealDensity, 0.5}, std::nullopt)),
            0.5);
  for (const std::optional<double> density :
       {std::optional<double>(), std::optional(0.0), std::optional(-1.0)})
    EXPECT_NE(std::get<Refusal>(ToArealDensity(thirtyMicrometres, density)).message.find("density"),
              std::string::npos);
  EXPECT_NE(std::get<Refusal>(ToArealDensity(thirtyMicrometres, {}))
                .message.find("(g/cm2, mg/cm2 or ug/cm2)"),
            std::string::npos);
}

TEST(FormatLength, PicksTheUnitThatKeepsFourDigitsBetweenOneAnd999) {
  const std::pair<double, const char*> cases[] = {
      {27.83, "27.83 \u00b5m"},  {33750, "33.75 mm"},        {999.96, "1.000 mm"},
      {999.94, "999.9 \u00b5m"}, {0.99996, "1.000 \u00b5m"}, {0.5, "500.0 nm"},
      {5e-4, "0.5000 nm"},       {4.2e-8, "4.200E-05 nm"},   {1.5e4, "15.00 mm"},
      {2.5e6, "250.0 cm"},       {2.5e7, "25.00 m"},         {1.234e10, "1.234E+04 m"},
      {0, "0 \u00b5m"},          {-12.5, "-12.50 \u00b5m"}};
  for (const auto& [micrometres, text] : cases) EXPECT_EQ(FormatLength(micrometres), text);
}

}  // namespace
}  // namespace alphastop
