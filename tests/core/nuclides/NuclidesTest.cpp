// The shipped list of alpha emitters, and a nuclide's name read wherever an energy is typed.

#include <gtest/gtest.h>

#include "core/nuclides/Nuclides.h"

namespace alphastop {
namespace {

double Value(const Checked<double>& checked) {
  if (const auto* no = std::get_if<Refusal>(&checked)) ADD_FAILURE() << "refused: " << no->message;
  return std::holds_alternative<double>(checked) ? std::get<double>(checked) : 0;
}

TEST(Nuclides, ShippedListHoldsTheCommonEmittersWithSoundLines) {
  ASSERT_TRUE(std::holds_alternative<std::vector<Nuclide>>(ParseNuclideList(ShippedNuclidesText())))
      << std::get<Refusal>(ParseNuclideList(ShippedNuclidesText())).message;
  for (const char* name :
       {"Am-241", "Am-243", "Po-208", "Po-209", "Po-210", "Po-212", "Po-214", "Po-216",
        "Po-218", "Rn-220", "Rn-222", "Ra-224", "Ra-226", "Th-228", "Th-229", "Th-230",
        "Th-232", "U-232",  "U-233",  "U-234",  "U-235",  "U-238",  "Np-237", "Pu-238",
        "Pu-239", "Pu-240", "Pu-242", "Cm-242", "Cm-244", "Cf-252", "Gd-148"})
    EXPECT_TRUE(std::holds_alternative<Nuclide>(FindNuclide(name))) << name;
  for (const Nuclide& nuclide : ShippedNuclides()) {
    // Gd-148's single line, 3.18 MeV, is the lowest of the common emitters; Po-212's 8.78
    // MeV the highest.
    EXPECT_GE(nuclide.PrincipalLine().energyKeV, 3000) << nuclide.name;
    EXPECT_LE(nuclide.PrincipalLine().energyKeV, 9000) << nuclide.name;
    double sum = 0;
    for (const AlphaLine& line : nuclide.lines) sum += line.intensityPercent;
    EXPECT_LE(sum, 100.01) << nuclide.name << ": more alphas than decays";
  }
  // The principal lines of americium-241 and polonium-210, in every spelling.
  for (const char* spelling : {"Am-241", "am241", "AM-241", " Am 241 "})
    EXPECT_DOUBLE_EQ(Value(ParseEnergyOrNuclide(spelling)), 5.48556) << spelling;
  EXPECT_DOUBLE_EQ(Value(ParseEnergyOrNuclide("Po210")), 5.30433);
  EXPECT_DOUBLE_EQ(Value(ParseEnergyOrNuclide("800 keV")), 0.8);
  EXPECT_NE(std::get<Refusal>(ParseNuclideList("Am-241\t5485.56\t84.8\nAm-241\t5442.80\t130\n"))
                .message.find("line 2"),
            std::string::npos);
}

}  // namespace
}  // namespace alphastop
