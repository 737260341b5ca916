// Results written as text, CSV, JSON and tab-separated text: cells that hold a separator, a
// quote, a line end or a micro sign, empty and non-finite cells, and lengths shown in a unit
// that fits only where people read them.

#include <gtest/gtest.h>

#include <limits>

#include "core/report/Report.h"

namespace alphastop {
namespace {

const Report Awkward{
    .about = {{"title", std::string("WATER, LIQUID")}},
    .columns = {{"name", "name", ""},
                {"energy_MeV", "energy", "MeV"},
                {"depth_um", "depth", "\u00b5m", true}},
    .rows = {{std::string("a,b \"c\""), 5.5, 27.83},
             {std::string("two\nlines\tand tab"), std::numeric_limits<double>::infinity(),
              std::monostate{}},
             {std::string("\u00b5"), std::numeric_limits<double>::quiet_NaN(), 33750.0}}};

// A line of the text format: columns 17 and 9 characters wide, two blanks between them, no
// blank at the end.
std::string Line(std::vector<std::string> cells) {
  const std::size_t widths[] = {17, 9};
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    line += cells[i];
    const std::size_t shown = cells[i] == "\u00b5" ? 1 : cells[i].size();
    if (i + 1 < cells.size()) line += std::string(widths[i] + 2 - shown, ' ');
  }
  return line + "\n";
}

TEST(WriteReport, QuotesOrReplacesWhatWouldSplitAFieldAndKeepsMachineColumnsInMicrometres) {
  const std::pair<ReportFormat, std::string> cases[] = {
      {ReportFormat::Csv,
       "name,energy_MeV,depth_um\n"
       "\"a,b \"\"c\"\"\",5.5,27.83\n"
       "\"two\nlines\tand tab\",inf,\n"
       "\u00b5,nan,33750\n"},
      {ReportFormat::Tsv,
       "name\tenergy (MeV)\tdepth (\u00b5m)\n"
       "a,b \"c\"\t5.5\t27.83\n"
       "two lines and tab\tinf\t\n"
       "\u00b5\tnan\t33750\n"},
      {ReportFormat::Json,
       "{\n  \"title\": \"WATER, LIQUID\",\n  \"rows\": [\n"
       "    {\n      \"name\": \"a,b \\\"c\\\"\",\n      \"energy_MeV\": 5.5,\n      \"depth_um\": "
       "27.83\n    },\n"
       "    {\n      \"name\": \"two\\nlines\\tand tab\",\n      \"energy_MeV\": null,\n      "
       "\"depth_um\": null\n    },\n"
       "    {\n      \"name\": \"\u00b5\",\n      \"energy_MeV\": null,\n      \"depth_um\": "
       "33750\n    }\n  ]\n}\n"},
      // Columns aligned by characters, the micro sign one of them; lengths in a fitting unit.
      {ReportFormat::Text,
       "title: WATER, LIQUID\n" + Line({"name", "energy", "depth"}) + Line({"", "MeV"}) +
           Line({"a,b \"c\"", "5.500E+00", "27.83 \u00b5m"}) + Line({"two lines and tab", "inf"}) +
           Line({"\u00b5", "nan", "33.75 mm"})}};
  for (const auto& [format, expected] : cases)
    EXPECT_EQ(WriteReport(Awkward, format), expected) << static_cast<int>(format);
}

}  // namespace
}  // namespace alphastop
