// Quantities typed with their units: energies, thicknesses and ranges, good and bad, and
// thicknesses turned into areal densities with a material's density.

#include <gtest/gtest.h>

#include <cmath>

#include "core/units/QuantityText.h"

namespace alphastop {
namespace {

enum Parser { Energy, Thick };
constexpr auto Areal = ThicknessKind::ArealDensity;
constexpr auto Length = ThicknessKind::Length;

// value in MeV for energies, in g/cm2 or cm (as kind says) for thicknesses; a refusal
// begins with the quoted text and holds the expected piece.
struct TextCase {
  Parser parser;
  const char* text;
  double value = 0;
  ThicknessKind kind = Areal;
  const char* refusal = nullptr;
};

const TextCase Cases[] = {
    {Energy, "5.5", 5.5}, {Energy, "5.5MeV", 5.5}, {Energy, " 5.5 \tMeV ", 5.5}, {Energy, "800keV", 0.8},
    {Energy, "1GeV", 1000}, {Energy, "2500eV", 2.5e-3}, {Energy, "1e2keV", 0.1}, {Energy, "+2E-1 gev", 200},
    {Energy, "5 mev", 5},
    {Thick, "30um", 30e-4, Length}, {Thick, "30 \u00B5m", 30e-4, Length}, {Thick, "30\u03BCm", 30e-4, Length},
    {Thick, "7 nm", 7e-7, Length}, {Thick, "2mm", 0.2, Length}, {Thick, "2 cm", 2, Length},
    {Thick, "0.5 m", 50, Length}, {Thick, "40ug/cm2", 4e-5}, {Thick, "40 \u00B5g/cm2", 4e-5},
    {Thick, "2.5 mg/cm2", 2.5e-3}, {Thick, "1.5 g/cm2", 1.5}, {Thick, " 0.02 ", 0.02}, {Thick, "0", 0},
    {Thick, "-0 um", 0, Length},
    {Energy, "", 0, Areal, "no number"}, {Energy, "   ", 0, Areal, "no number"},
    {Energy, "abc", 0, Areal, "not a number"}, {Energy, "1..2", 0, Areal, "not a number"},
    {Energy, "1 5", 0, Areal, "not a number"}, {Energy, "nan", 0, Areal, "not a number"},
    {Energy, "inf", 0, Areal, "not a number"}, {Energy, "1e999", 0, Areal, "out of range"},
    {Energy, "1e307 GeV", 0, Areal, "out of range"}, {Energy, "-5", 0, Areal, "greater than zero"},
    {Energy, "0 keV", 0, Areal, "greater than zero"},
    {Energy, "5 MeVs", 0, Areal, "unknown unit \"MeVs\" (use eV, keV, MeV or GeV)"},
    {Energy, "5 um", 0, Areal, "unknown unit \"um\""},
    {Thick, "5 furlongs", 0, Areal, "unknown unit \"furlongs\" (use um, nm, mm, cm, m, ug/cm2, mg/cm2 or g/cm2)"},
    {Thick, "5 UM", 0, Areal, "unknown unit \"UM\""}, {Thick, "5 Mm", 0, Areal, "unknown unit \"Mm\""},
    {Thick, "5 MeV", 0, Areal, "unknown unit"}, {Thick, "-5", 0, Areal, "cannot be negative"},
    {Thick, "-1 mm", 0, Areal, "cannot be negative"}, {Thick, "1e307 m", 0, Areal, "out of range"}};

struct Outcome {
  double value = 0;
  ThicknessKind kind = Areal;
  std::string refusal;
};

Outcome Read(const TextCase& c) {
  if (c.parser == Energy) {
    const auto energy = ParseEnergy(c.text);
    if (const auto* no = std::get_if<Refusal>(&energy)) return {0, Areal, no->message};
    return {std::get<double>(energy), Areal, ""};
  }
  const auto thickness = ParseThickness(c.text);
  if (const auto* no = std::get_if<Refusal>(&thickness)) return {0, Areal, no->message};
  return {std::get<Thickness>(thickness).value, std::get<Thickness>(thickness).kind, ""};
}

TEST(QuantityText, ReadsEachTextAsItsValueOrRefusesItQuotingTheText) {
  for (const TextCase& c : Cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    const auto [value, kind, refusal] = Read(c);
    if (!c.refusal) {
      EXPECT_EQ(refusal, "");
      EXPECT_DOUBLE_EQ(value, c.value);
      EXPECT_FALSE(std::signbit(value));
      EXPECT_EQ(kind, c.kind);
      continue;
    }
    EXPECT_EQ(refusal.rfind(std::string("\"") + c.text + "\": ", 0), 0u) << refusal;
    EXPECT_NE(refusal.find(c.refusal), std::string::npos) << refusal;
  }
}

TEST(Thickness, ALengthNeedsTheDensityAndComesBackInMicrometres) {
  const Thickness length{Length, 30e-4};  // 30 µm
  const auto silicon = ToArealDensity(length, 2.33);
  ASSERT_TRUE(std::holds_alternative<double>(silicon));
  EXPECT_DOUBLE_EQ(std::get<double>(silicon), 30e-4 * 2.33);
  EXPECT_DOUBLE_EQ(ArealDensityToMicrometres(std::get<double>(silicon), 2.33), 30);
  EXPECT_DOUBLE_EQ(MicrometresToArealDensity(30, 2.33), 30e-4 * 2.33);
  EXPECT_EQ(std::get<double>(ToArealDensity({Areal, 0.5}, std::nullopt)), 0.5);
  for (const std::optional<double> density : {std::optional<double>(), std::optional(0.0), std::optional(-1.0)}) {
    const auto refused = ToArealDensity(length, density);
    ASSERT_TRUE(std::holds_alternative<Refusal>(refused));
    EXPECT_NE(std::get<Refusal>(refused).message.find("density"), std::string::npos);
  }
  EXPECT_NE(std::get<Refusal>(ToArealDensity(length, std::nullopt)).message.find("g/cm2, mg/cm2 or ug/cm2"),
            std::string::npos);
}

}  // namespace
}  // namespace alphastop
