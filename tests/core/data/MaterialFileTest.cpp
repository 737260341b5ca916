#include "core/data/MaterialFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/data/TextEncoding.h"
#include "support/ReferenceTable.h"
#include "support/SharedData.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::JoinLines;
using testing::TableDifference;
using testing::TempFolder;
using testing::ValidTableLines;

MaterialTable ReadOk(const std::string& path) {
  ReadResult result = ReadMaterialTable(path);
  EXPECT_FALSE(result.error) << (result.error ? result.error->Message() : "");
  return result.table.value_or(MaterialTable{});
}

TEST(MaterialFileLayout, LineEndsCrLfLfAndCrReadAlike) {
  TempFolder folder;
  const auto lines = ValidTableLines();
  const auto crlf = ReadOk(folder.Write("crlf.as", JoinLines(lines, "\r\n")));
  EXPECT_EQ(TableDifference(ReadOk(folder.Write("lf.as", JoinLines(lines, "\n"))), crlf), "");
  EXPECT_EQ(TableDifference(ReadOk(folder.Write("cr.as", JoinLines(lines, "\r"))), crlf), "");
  for (int r = 1; r <= RowCount; ++r) EXPECT_EQ(crlf.RowText(r), lines[9 + r].substr(0, 59));
  EXPECT_EQ(crlf.MaterialTitle, "TEST MATERIAL");
  EXPECT_DOUBLE_EQ(crlf.Energy(1), 1e-3);
  EXPECT_DOUBLE_EQ(crlf.StopPower(122, Electronic), 222.0);
}

TEST(MaterialFileLayout, RowTextIsTheFirst59CharactersAndTheListItemAddsOneBlank) {
  TempFolder folder;
  auto lines = ValidTableLines();
  lines[10] = "1.000E-03 1 2 3 4 5 6";
  const auto table = ReadOk(folder.Write("t.as", JoinLines(lines)));
  EXPECT_EQ(table.RowText(1), lines[10]);
  EXPECT_EQ(table.RowText(2), lines[11].substr(0, 59));
  EXPECT_EQ(table.RowText(2).size(), 59u);
  EXPECT_EQ(table.ListItem(2), " " + lines[11].substr(0, 59));
  // The seventh number lies beyond character 59 and is still read: row 3 stays in step.
  EXPECT_DOUBLE_EQ(table.Energy(3), std::stod(lines[12].substr(0, 9)));
}

TEST(MaterialFileLayout, CommasSeparateLikeBlanksAndShowInTheRowText) {
  TempFolder folder;
  auto lines = ValidTableLines();
  const auto plain = ReadOk(folder.Write("plain.as", JoinLines(lines)));
  for (auto& ch : lines[14]) ch = ch == ' ' ? ',' : ch;
  lines[15].replace(lines[15].find(' '), 1, " , ");
  const auto commas = ReadOk(folder.Write("commas.as", JoinLines(lines)));
  EXPECT_EQ(TableDifference(plain, commas, false), "");
  EXPECT_NE(commas.RowText(5).find(','), std::string::npos);
}

TEST(MaterialFileLayout, ABlankLineInTheBlockKeepsTheNumbersButShiftsTheRowTexts) {
  TempFolder folder;
  auto lines = ValidTableLines();
  const auto plain = ReadOk(folder.Write("plain.as", JoinLines(lines)));
  lines.insert(lines.begin() + 20, "");
  const auto shifted = ReadOk(folder.Write("shifted.as", JoinLines(lines)));
  EXPECT_EQ(TableDifference(plain, shifted, false), "");
  EXPECT_EQ(shifted.RowText(10), plain.RowText(10));
  EXPECT_EQ(shifted.RowText(11), "");
  EXPECT_EQ(shifted.RowText(122), plain.RowText(121));
}

TEST(MaterialFileLayout, LinesAfterTheTableAreNeverRead) {
  TempFolder folder;
  auto lines = ValidTableLines();
  const auto plain = ReadOk(folder.Write("plain.as", JoinLines(lines)));
  lines.push_back("garbage that is no number at all");
  lines.push_back(std::string(100000, 'x'));
  EXPECT_EQ(TableDifference(plain, ReadOk(folder.Write("extended.as", JoinLines(lines)))), "");
}

TEST(MaterialFileLayout, TitlesMayBeEmptyAndAVeryLongOneIsCutBetweenCharacters) {
  TempFolder folder;
  EXPECT_EQ(ReadOk(folder.Write("e.as", JoinLines(ValidTableLines("")))).MaterialTitle, "");
  std::string euros;  // 3 bytes each: no character ends at the 4096-byte limit of a line
  for (int i = 0; i < 3000; ++i) euros += "\xE2\x82\xAC";
  const std::string path = folder.Write("long.as", JoinLines(ValidTableLines(euros)));
  const std::string title = ReadOk(path).MaterialTitle;
  EXPECT_EQ(title.size() % 3, 0u);
  EXPECT_GT(title.size(), 4000u);
  EXPECT_EQ(title, euros.substr(0, title.size()));
  EXPECT_EQ(ReadTitleLine(path).title, title);
}

TEST(TextEncoding, CutsRowTextsByCharactersNotBytes) {
  std::string accents;
  for (int i = 0; i < 70; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(FirstCharacters(accents, 59), accents.substr(0, 118));
  EXPECT_EQ(FirstCharacters("short", 59), "short");
  EXPECT_EQ(FirstCharacters(DecodeLine("\xE9t\xE9"), 2), "\xC3\xA9t");
}

TEST(TextEncoding, WarningsShowControlCharactersAsHexAndOtherBytesAsText) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string("1\0002", 3), "1\\x002"}, {"\x1B[2J", "\\x1B[2J"}, {"tab\there", "tab\\x09here"},
      {"\x7F", "\\x7F"}, {"caf\xC3\xA9", "caf\xC3\xA9"} /* UTF-8 stays */,
      {"caf\xE9", "caf\xC3\xA9"} /* Latin-1 becomes UTF-8 */, {"\x85x", "\\x85x"} /* a C1 control */,
      {"1.0E+05", "1.0E+05"}};
  for (const auto& [bytes, shown] : cases) EXPECT_EQ(PrintableText(bytes), shown);
}

TEST(ReadTitleLine, GivesLineTwoOrAWarningNamingTheFileAndTheLine) {
  TempFolder folder;
  const struct { const char* name; std::string bytes; const char* title; int line; } cases[] = {
      {"crlf.as", "first\r\nSECOND LINE\r\nthird", "SECOND LINE", 0},
      {"cr.as", "first\rSECOND", "SECOND", 0},
      {"lf.as", "first\nSECOND", "SECOND", 0},
      {"one-line.as", "only line\n", "", 2},
      {"utf16.as", std::string("\xFF\xFEM\0a\0\n\0T\0", 10), "", 1},
      {"utf16-no-mark.as", std::string("M\0a\0\n\0T\0", 8), "", 1},
      {"nul-title.as", std::string("first\nTI\0TLE\n", 14), "", 2}};
  for (const auto& c : cases) {
    const TitleResult result = ReadTitleLine(folder.Write(c.name, c.bytes));
    EXPECT_EQ(result.title, c.title) << c.name;
    ASSERT_EQ(result.error.has_value(), c.line != 0) << c.name;
    if (!result.error) continue;
    EXPECT_EQ(result.error->line, c.line) << c.name;
    EXPECT_NE(result.error->Message().find(c.name), std::string::npos) << result.error->Message();
    EXPECT_EQ(result.error->Message().find('\0'), std::string::npos) << c.name;
  }
  const auto missing = ReadTitleLine((folder.Path() / "gone.as").string());
  ASSERT_TRUE(missing.error);
  EXPECT_NE(missing.error->Message().find("gone.as"), std::string::npos);
}

TEST(LoadMaterialTable, RunsPendingEventsOnceBetweenThePassesAndKeepsToTheFirstFile) {
  TempFolder folder;
  const std::string first = folder.Write("as/First.as", JoinLines(ValidTableLines("FIRST")));
  auto otherLines = ValidTableLines("OTHER");
  otherLines[10] = "1.000E-03 9 9 9 9 9 9 other row";
  const std::string other = folder.Write("as/Other.as", JoinLines(otherLines));

  MaterialTable& shared = SharedMaterialTable();
  shared.DataFile = first;
  int eventsRun = 0;
  const auto error = LoadMaterialTable(shared.DataFile, [&] {
    ++eventsRun;
    shared.DataFile = other;  // a pick made while the load lets events run
  });
  ASSERT_FALSE(error) << error->Message();
  EXPECT_EQ(eventsRun, 1);
  EXPECT_EQ(shared.MaterialTitle, "FIRST");
  EXPECT_EQ(shared.RowText(1), ValidTableLines()[10].substr(0, 59));
  EXPECT_EQ(shared.DataFile, other) << "the pick itself stands";
}

TEST(ReferenceTable, IsReadBackExactly) {
  ALPHASTOP_REQUIRE_REFERENCE(reference);
  for (const char* name : {"as/Gold.as", "asc/Water_liquid.asc"}) {
    const auto path = reference / name;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(testing::WithoutCarriageReturn(line));
    const auto expected = testing::ReadReferenceTable(path);
    ASSERT_TRUE(expected) << name;
    const auto table = ReadOk(path.string());
    EXPECT_EQ(table.MaterialTitle, lines[1]);
    EXPECT_EQ(ReadTitleLine(path.string()).title, lines[1]);
    for (int r = 1; r <= RowCount; ++r) {
      const auto& v = expected->rows[r - 1];
      const TableRow& row = table.rows[r - 1];
      ASSERT_EQ(row.energy, v[0]) << name << " row " << r;
      ASSERT_EQ(row.stopPower, (std::array{v[1], v[2], v[3]})) << name << " row " << r;
      ASSERT_EQ(row.range, (std::array{v[4], v[5]})) << name << " row " << r;
      ASSERT_EQ(row.text, lines[9 + r].substr(0, 59)) << name << " row " << r;
    }
  }
}

}  // namespace
}  // namespace alphastop
