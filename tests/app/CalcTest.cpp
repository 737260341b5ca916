// alphastop-calc as a script runs it: over the reference tables for its numbers, and over
// made-up tables for what it refuses and the exit status it refuses with.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/catalog/MaterialLoader.h"
#include "core/compare/Comparison.h"
#include "support/CheckedValue.h"
#include "support/ReferenceTable.h"
#include "support/SharedData.h"
#include "support/TableFiles.h"
#include "support/ToolRun.h"

namespace alphastop::testing {
namespace {

using alphastop::DataPoint;

ToolRun Calc(const std::string& arguments, const TempFolder& where) {
  return RunTool(ALPHASTOP_CALC_TOOL, arguments, where.Path(),
                 "ALPHASTOP_DATA= XDG_DATA_HOME=\"" + (where.Path() / "user").string() + "\"");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> CsvFields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  return fields;
}

std::vector<double> CsvNumbers(const std::string& line) {
  std::vector<double> numbers;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');)
    numbers.push_back(field.empty() ? -1 : std::stod(field));
  return numbers;
}

// Over the reference tables: a row's own values at its energy and its energy back from its
// range, the layers up to the stop, a whole table with the file's own numbers.
TEST(CalcReference, GivesTheTablesNumbersInEachFormat) {
  ALPHASTOP_REQUIRE_REFERENCE(reference);
  const auto silicon = ReadReferenceTable(reference / "as" / "Silicon.as");
  const auto gold = ReadReferenceTable(reference / "as" / "Gold.as");
  ASSERT_TRUE(silicon && gold);
  const auto& row = silicon->rows[80];
  TempFolder here;
  const auto run = [&](const std::string& arguments) {
    const ToolRun done = Calc("--data \"" + reference.string() + "\" " + arguments, here);
    EXPECT_EQ(done.status, 0) << arguments << ": " << done.err;
    return done.out;
  };

  const auto stopping =
      Lines(run("--format csv stopping silicon " + std::to_string(row[0]) + "MeV"));
  ASSERT_EQ(stopping.size(), 2u);
  EXPECT_EQ(stopping[0],
            "energy_MeV,electronic_MeV_cm2_g,nuclear_MeV_cm2_g,total_MeV_cm2_g,csda_range_g_cm2,"
            "projected_range_g_cm2,csda_range_um,projected_range_um,"
            "electronic_uncertainty_percent,csda_range_uncertainty_percent,"
            "range_straggling_g_cm2,range_straggling_um");
  const std::vector<double> values = CsvNumbers(stopping[1]);
  ASSERT_GE(values.size(), 8u);
  EXPECT_TRUE(CsvFields(stopping[1]).at(8).empty() && CsvFields(stopping[1]).at(9).empty())
      << "a reference table states no uncertainty";
  for (int c = 1; c <= 5; ++c) EXPECT_NEAR(values[c], row[c], 1e-12 * row[c]) << "column " << c;
  EXPECT_NEAR(values[6], row[4] / silicon->density * 1e4, 1e-12 * values[6]) << "CSDA range in um";
  const auto energy =
      Lines(run("--format csv energy Silicon " + std::to_string(row[4] * 1e3) + "mg/cm2"));
  EXPECT_EQ(energy[0], "range_g_cm2,range_um,energy_MeV");
  EXPECT_NEAR(CsvNumbers(energy[1])[2], row[0], 1e-9 * row[0]);

  const auto layers =
      nlohmann::json::parse(run("--format json layers 5.5 Water_liquid:10um Silicon:1mm Gold:1um"));
  ASSERT_EQ(layers["rows"].size(), 2u) << "no layer after the stop";
  const auto &water = layers["rows"][0], &stop = layers["rows"][1];
  EXPECT_TRUE(water["energy_in_MeV"] == 5.5 && water["energy_out_MeV"].get<double>() < 5.5 &&
              water["stopped_at_um"].is_null() && stop["energy_in_MeV"] == water["energy_out_MeV"]);
  EXPECT_NEAR(water["energy_lost_MeV"].get<double>(), 5.5 - water["energy_out_MeV"].get<double>(),
              1e-12);
  EXPECT_TRUE(stop["energy_out_MeV"] == 0.0 && stop["stopped_at_um"].get<double>() > 0 &&
              stop["stopped_at_um"].get<double>() < 1000);

  const auto table = Lines(run("--format csv table gold"));
  ASSERT_EQ(table.size(), 123u);
  for (std::size_t r = 0; r < 122; ++r)
    ASSERT_EQ(CsvNumbers(table[r + 1]),
              std::vector<double>(gold->rows[r].begin(), gold->rows[r].begin() + 6))
        << "row " << r + 1;
  const auto json = nlohmann::json::parse(run("--format json table Gold"));
  EXPECT_TRUE(json["title"] == gold->title && json["density_g_cm3"] == gold->density &&
              json["rows"].size() == 122u);
}

// Made-up tables: one with its density on line 3, one without.
struct Tables : TempFolder {
  Tables() {
    Write("as/Dense.as", JoinLines(ValidTableLines("DENSE")));
    auto lines = ValidTableLines("NO DENSITY");
    lines[2] = "no density here";
    Write("asc/Vague.asc", JoinLines(lines));
    Write("asc/Red_glass.asc", JoinLines(ValidTableLines("RED")));
    Write("asc/Blue_glass.asc", JoinLines(ValidTableLines("BLUE")));
  }
};

TEST(CalcTool, RefusesBadInputWithStatusTwoAndOneLineNamingTheText) {
  Tables tables;
  const std::pair<std::string, std::string> cases[] = {
      {"stopping Unobtainium 5", "\"Unobtainium\""},
      {"stopping dense five", "\"five\""},
      {"stopping dense -5", "\"-5\""},
      {"stopping Dense 5000", "\"5000\""},
      {"layers 5 Dense", "\"Dense\""},
      {"layers 5 Dense:1um Vague:1um", "\"Vague:1um\""},
      {"energy Vague 30um", "\"30um\""},
      {"energy Dense 3furlongs", "\"3furlongs\""},
      {"--format xml materials", "\"xml\""},
      {"stopping Dense", "ENERGY"},
      {"bogus", "bogus"},
      {"--data /nonexistent materials", "/nonexistent"},
      {"stopping formula=H2Xx,density=1 5", "formula \"H2Xx\": unknown element symbol \"Xx\""},
      {"stopping atoms=H:2,O:1 5", "density"},
      {"layers 5 formula=H2O,density=1,colour=red:1um", "unknown key \"colour\""},
      {"graph Unobtainium out.png", "\"Unobtainium\""},
      {"graph Dense out.jpg", "\".jpg\""},
      {"graph Dense out.png --scale 9", "9"},
      {"graph Dense out.png --scale 1.5", "1.5"},
      {"graph Dense nowhere/out.png", "alphastop-calc: \"nowhere/out.png\": there is no folder"},
      {"energy Dense -3um", "\"-3um\": a range cannot be negative"},
      {"stopping glass 5", "\"glass\" fits several materials: Blue_glass, Red_glass"},
      {"layers Xx-999 Dense:1um", "\"Xx-999\": unknown nuclide"},
      {"layers --angle 90 5 Dense:1um", "\"90\": an angle of incidence"},
      {"depth --angle=-5 5 Dense:1um", "\"-5\": an angle of incidence"},
      {"layers 5 formula=N2,density=1e-3,gas:1cm,pressure=20", "\"20\": a pressure needs a unit"},
      {"layers 5 Dense:1um,pressure=1atm", "\"Dense:1um,pressure=1atm\": \"DENSE\" is not a gas"},
      {"layers 5 Dense:1um,colour=red", "unknown option \"colour=red\""},
      {"thickness Dense 5 5.1", "\"5\" to \"5.1\": the energy out must be less"},
      {"layers --stack", "--stack"},
      {"compare Dense Unobtainium out.csv", "\"Unobtainium\""},
      {"compare Dense out.jpg", "\".jpg\""},
      {"compare --base 3 Dense Vague out.csv", "--base 3"},
      {"compare --quantity speed Dense out.csv", "speed"},
      {"graph Dense out.png --style fancy", "fancy"},
  };
  for (const auto& [arguments, named] : cases) {
    const ToolRun run = Calc(arguments, tables);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    EXPECT_EQ(Lines(run.err).size(), 1u) << arguments << ": " << run.err;
    EXPECT_NE(run.err.find(named), std::string::npos) << arguments << ": " << run.err;
  }
  const ToolRun lengthWithArealUnit = Calc("energy Vague 3mg/cm2", tables);
  EXPECT_EQ(lengthWithArealUnit.status, 0) << lengthWithArealUnit.err;
  // A title's word finds its table.
  EXPECT_EQ(Calc("stopping density 5", tables).status, 0);
  TempFolder empty;
  std::filesystem::create_directories(empty.Path() / "as");
  const ToolRun none = Calc("--data \"" + empty.Path().string() + "\" materials", empty);
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no tables found in \"" + (empty.Path() / "as").string()),
            std::string::npos)
      << none.err;
  // A table the model computed states how sure each value is.
  const ToolRun computed = Calc("--format csv stopping formula=C10H8O4,density=1.4 5.5", tables);
  ASSERT_EQ(computed.status, 0) << computed.err;
  EXPECT_FALSE(Lines(computed.out).at(1).ends_with(",")) << computed.out;
}

// The commands of a spectroscopist agree with one another: the thickness that takes Am-241's
// line down to 5.1 MeV gives 5.1 MeV back when crossed, a stack file reads as its layers
// typed, a depth profile ends where the range does, and the nuclides are listed.
TEST(CalcTool, ThicknessLayersStackFilesAndDepthAgree) {
  Tables tables;
  const auto run = [&](const std::string& arguments) {
    const ToolRun done = Calc("--format csv " + arguments, tables);
    EXPECT_EQ(done.status, 0) << arguments << ": " << done.err;
    return Lines(done.out);
  };
  const std::string si = "formula=Si,density=2.33";
  const auto thickness = run("thickness " + si + " Am-241 5.1");
  EXPECT_EQ(thickness.at(0), "material,energy_in_MeV,energy_out_MeV,thickness_g_cm2,thickness_um");
  const auto through = run("layers am241 " + si + ":" + CsvFields(thickness.at(1)).at(3));
  EXPECT_TRUE(through.at(0).ends_with(",energy_lost_MeV,straggling_fwhm_keV"));
  EXPECT_NEAR(std::stod(CsvFields(through.at(1)).at(5)), 5.1, 1e-9);

  tables.Write("stack.json", R"({"energy": "Am-241", "angle": 60,
      "layers": [{"material": ")" +
                                 si + R"(", "thickness": "5um"}]})");
  EXPECT_EQ(run("layers --stack stack.json " + si + ":1mm"),
            run("layers --angle 60 Am-241 " + si + ":5um " + si + ":1mm"));
  EXPECT_EQ(run("layers --stack stack.json --angle 0 5"), run("layers 5 " + si + ":5um"));
  tables.Write("Dense.json", R"({"energy": 1e999, "layers": []})");
  const ToolRun damaged = Calc("layers --stack Dense.json", tables);
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.err.find("\"Dense.json\" cannot be read. Number overflow parsing '1e999'"),
            std::string::npos)
      << damaged.err;

  const auto depth = run("depth Am-241 " + si + ":1mm");
  EXPECT_EQ(depth.at(0), "layer,material,depth_um,energy_MeV,stopping_keV_um");
  const auto range = CsvNumbers(run("stopping " + si + " Am-241").at(1));
  EXPECT_NEAR(std::stod(CsvFields(depth.back()).at(2)), range.at(6), 1e-9 * range.at(6));
  EXPECT_EQ(CsvFields(depth.back()).at(3), "0");
  const auto nuclides = run("nuclides");
  EXPECT_EQ(nuclides.at(0), "nuclide,energy_keV,intensity_percent");
  EXPECT_NE(std::find(nuclides.begin(), nuclides.end(), "Am-241,5485.56,84.8"), nuclides.end());
}

// Window size in pixels, as the graph window's design has it.
constexpr std::uint32_t GraphWidth = 630, GraphHeight = 757;

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t k = at; k < at + 4 && k < bytes.size(); ++k)
    value = value << 8 | static_cast<unsigned char>(bytes[k]);
  return value;
}

TEST(CalcTool, GraphWritesAPngOfTheWindowAtTheScaleGiven) {
  if (!std::filesystem::exists(ALPHASTOP_GRAPH_TOOL))
    GTEST_SKIP() << "alphastop-graph is not built";
  Tables tables;
  const ToolRun run = Calc("graph dense out.png --scale 2", tables);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  std::ifstream in(tables.Path() / "out.png", std::ios::binary);
  const std::string png(std::istreambuf_iterator<char>(in), {});
  ASSERT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(BigEndian(png, 16), 2 * GraphWidth);
  EXPECT_EQ(BigEndian(png, 20), 2 * GraphHeight);
}

TEST(CalcTool, ADamagedTableExitsOneWithTheWindowsMessage) {
  Tables tables;
  const std::string damaged = (DamagedFolder() / "nan.as").string();
  const std::string csv = tables.Write("bad.csv", "energy_MeV,total\n1,5\n1,6\n");
  for (const std::string& arguments :
       {"stopping \"" + damaged + "\" 5", "compare Dense \"" + csv + "\" out.png"}) {
    const ToolRun run = Calc(arguments, tables);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot be read. Line "), std::string::npos) << run.err;
  }
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Three materials side by side: a CSV whose columns are what stopping gives at its energies,
// an SVG of the three titles and curves; and a table exported by table compares at 0 %.
TEST(CalcTool, CompareWritesTheMaterialsSideBySide) {
  Tables tables;
  const std::string materials = "Dense Red_glass Blue_glass ";
  ASSERT_EQ(Calc("compare " + materials + "cmp.csv", tables).status, 0);
  const auto rows = Lines(FileText(tables.Path() / "cmp.csv"));
  ASSERT_EQ(rows.size(), 123u);
  EXPECT_EQ(rows[0], "energy_MeV,Dense_MeV_cm2_g,Red_glass_MeV_cm2_g,Blue_glass_MeV_cm2_g");
  for (std::size_t r : {2, 50, 100}) {
    const std::vector<double> compared = CsvNumbers(rows[r]);
    const std::string energy = rows[r].substr(0, rows[r].find(','));
    std::size_t m = 1;
    for (const char* name : {"Dense", "Red_glass", "Blue_glass"}) {
      const auto stopping =
          Lines(Calc(std::string("--format csv stopping ") + name + " " + energy, tables).out);
      EXPECT_EQ(CsvNumbers(stopping.at(1))[3], compared[m++]) << name << " at " << energy;
    }
  }

  if (std::filesystem::exists(ALPHASTOP_GRAPH_TOOL)) {
    ASSERT_EQ(Calc("compare --style print " + materials + "cmp.svg", tables).status, 0);
    const std::string svg = FileText(tables.Path() / "cmp.svg");
    std::set<std::string> curveColours;  // of polylines that bend: of 3 points or more
    for (std::size_t at = 0; (at = svg.find("points=\"", at + 1)) != std::string::npos;) {
      const auto from = svg.begin() + long(at), to = svg.begin() + long(svg.find('"', at + 8));
      if (std::count(from, to, ' ') >= 3)  // the stroke of the group it is drawn in
        curveColours.insert(svg.substr(svg.rfind("stroke=\"", at) + 8, 7));
    }
    EXPECT_EQ(curveColours.size(), 3u);
    for (const char* title : {">DENSE<", ">RED<", ">BLUE<"})
      EXPECT_NE(svg.find(title), std::string::npos) << title;
  }

  std::ofstream(tables.Path() / "dense.csv") << Calc("--format csv table Dense", tables).out;
  const TableCurves sources[] = {Value(LoadCurves((tables.Path() / "as/Dense.as").string(), {})),
                                 Value(LoadCurves((tables.Path() / "dense.csv").string(), {}))};
  for (Quantity q : {Quantity::Electronic, Quantity::Nuclear, Quantity::Total, Quantity::CsdaRange,
                     Quantity::ProjectedRange}) {
    const std::vector<DataPoint> differences =
        DifferencePercent(Value(Compare(sources, q, false)), 1, 0);
    EXPECT_EQ(differences.size(), 122u);
    for (const DataPoint& p : differences) EXPECT_EQ(p.y, 0) << p.x;
  }
}

}  // namespace
}  // namespace alphastop::testing
