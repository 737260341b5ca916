// Tables from other programs: SRIM's SR module in each of its units, a CSV named by its
// header, and files that cannot be read.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/catalog/MaterialLoader.h"
#include "support/CheckedValue.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::TempFolder;
using testing::Value;

constexpr double Density = 2.33, Atoms = 4.996e22;  // silicon: g/cm3, atoms/cm3

struct Row {
  double energy, electronic, nuclear, projected;  // MeV, MeV cm2/g, g/cm2
};
const Row Rows[] = {{0.01, 401, 89.6, 4.7e-6}, {0.5, 1525, 3.1, 3.1e-4}, {8, 500.2, 0.25, 0.0116}};

// The file SR writes, its stopping powers in unit: MeV cm2/g times perMeVCm2PerG.
std::string SrOutput(const char* unit, double perMeVCm2PerG, const char* ion = "Helium [2]") {
  std::string text =
      " Calculation using SRIM-2006\r\n Ion = " + std::string(ion) + " , Mass = 4.003 amu\r\n";
  char line[200];
  std::snprintf(line, sizeof line, " Density =  %.4E g/cm3 = %.4E atoms/cm3\r\n", Density, Atoms);
  text += line + std::string(" Stopping Units =  ") + unit + " \r\n" +
          "   Ion        dE/dx      dE/dx     Projected\r\n-----------  ----------\r\n";
  for (const Row& r : Rows) {
    const double cm = r.projected / Density;
    const bool kev = r.energy < 1, angstrom = cm < 1e-5;
    std::snprintf(line, sizeof line, "%.2f %s   %.4E  %.4E  %.2f %s  12.3 A  45.6 A\r\n",
                  kev ? r.energy * 1e3 : r.energy, kev ? "keV" : "MeV",
                  r.electronic * perMeVCm2PerG, r.nuclear * perMeVCm2PerG,
                  angstrom ? cm * 1e8 : cm * 1e4, angstrom ? "A" : "um");
    text += line;
  }
  return text + "-----------------\r\n Multiply Stopping by\r\n";
}

TEST(SrModuleOutput, ReadsTheSameStoppingPowersAndRangesInEveryUnitItWrites) {
  // 1 MeV cm2/g is rho MeV/cm: 1e-2 rho eV/A, 0.1 rho keV/um, 1e-3 MeV/(mg/cm2).
  const std::pair<const char*, double> units[] = {
      {"MeV / (mg/cm2)", 1e-3},       {"keV / (ug/cm2)", 1e-3},
      {"keV / (mg/cm2)", 1},          {"eV / Angstrom", Density / 100},
      {"keV / micron", Density / 10}, {"eV / (1E15 atoms/cm2)", 1e21 * Density / Atoms}};
  TempFolder folder;
  for (const auto& [unit, factor] : units) {
    const TableCurves read =
        Value(LoadCurves(folder.Write("Helium in Silicon.txt", SrOutput(unit, factor)), {}));
    ASSERT_EQ(read.energies.size(), std::size(Rows)) << unit;
    EXPECT_EQ(read.title, "Helium in Silicon");
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
      const Row& r = Rows[i];
      const double expected[] = {r.electronic, r.nuclear, r.electronic + r.nuclear, r.projected};
      const Quantity quantities[] = {Quantity::Electronic, Quantity::Nuclear, Quantity::Total,
                                     Quantity::ProjectedRange};
      EXPECT_NEAR(read.energies[i], r.energy, 1e-12) << unit;
      for (std::size_t q = 0; q < 4; ++q)
        EXPECT_NEAR(read.Of(quantities[q])[i], expected[q], 1e-3 * expected[q]) << unit;
    }
  }
}

TEST(ImportedFiles, AreRefusedNamingTheFileAndTheLine) {
  const std::string sr = SrOutput("MeV / (mg/cm2)", 1e-3);
  const struct {
    const char* name;
    std::string text;
    int line;
    const char* says;
  } cases[] = {
      {"a.csv", "energy_MeV,total\n1,5\n1,6\n", 3, "must ascend"},
      {"b.csv", "# notes\nenergy_MeV,total\n1,5\n2,1..2\n", 4, "\"1..2\" is not a number"},
      {"c.csv", "Energy (keV);stuff\n1;2\n", 1, "no column of the header is a stopping power"},
      {"d.csv", "energy_MeV,electronic_keV_um\n1,5\n", 1, "another unit"},
      {"e.csv", "energy_MeV,nuclear\n1,-5\n2,3\n", 2, "greater than zero"},
      {"f.csv", "energy_MeV,total,nuclear\n1,5,1\n2,6\n", 3, "gives no nuclear"},
      {"g.csv", "energy_MeV,total\n1,5\n", 2, "at least two rows"},
      {"h.csv", std::string("energy_MeV,t\0tal\n", 17), 1, "NUL bytes"},
      {"i.txt", SrOutput("MeV / (mg/cm2)", 1e-3, "Hydrogen [1]"), 2, "not helium"},
      {"j.txt", SrOutput("L.S.S. reduced units", 1), 4, "cannot be taken to MeV cm2/g"},
      {"k.txt", sr.substr(0, sr.find("500.00 keV")) + "500.00 keV  1.5E+00  abc  1.00 um\r\n", 8,
       "does not read"},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const std::string path = folder.Write(c.name, c.text);
    const Checked<TableCurves> read = LoadCurves(path, {});
    const std::string message = testing::RefusalText(read);
    EXPECT_TRUE(Refused(read) && Refused(read)->kind == RefusalKind::Unreadable &&
                message.find("\"" + path + "\"") != std::string::npos &&
                message.find("Line " + std::to_string(c.line) + ": ") != std::string::npos &&
                message.find(c.says) != std::string::npos)
        << c.name << ": " << message;
  }
}

// A colleague's CSV: keV, quoted names, semicolons, columns passed over. As a material it
// becomes a table of 122 rows, its total the sum of the two stopping powers.
TEST(CsvTable, ReadsTheColumnsItsHeaderNamesAndMakesATableOfThem) {
  TempFolder folder;
  const std::string path = folder.Write(
      "colleague.csv",
      "\"Energy (keV)\";\"Electronic, MeV cm2/g\";Nuclear;note;csda_range_um;Projected range "
      "(mg/cm2)\n10;400;90;x;1;0.005\n1000;1000;2;y;2;0.5\n100000;50;0.1;z;3;500\n");
  const TableCurves read = Value(LoadCurves(path, {}));
  EXPECT_EQ(read.energies, (std::vector<double>{0.01, 1, 100}));
  EXPECT_EQ(read.Of(Quantity::ProjectedRange), (std::vector<double>{5e-6, 5e-4, 0.5}));
  EXPECT_FALSE(read.Has(Quantity::Total) || read.Has(Quantity::CsdaRange));
  const MaterialTable table = Value(LoadMaterial(path, {})).table;
  EXPECT_TRUE(table.Energy(1) == 0.01 && table.Energy(RowCount) == 100);
  EXPECT_NEAR(table.StopPower(RowCount, Total), 50.1, 1e-9);
}

}  // namespace
}  // namespace alphastop
