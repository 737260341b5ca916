#include "core/data/MaterialFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/data/TextEncoding.h"
#include "support/SharedData.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::JoinLines;
using testing::TempFolder;
using testing::ValidTableLines;

MaterialTable ReadOk(const std::string& path) {
  ReadResult result = ReadMaterialTable(path);
  EXPECT_FALSE(result.error) << (result.error ? result.error->Message() : "");
  return result.table.value_or(MaterialTable{});
}

void ExpectSameNumbers(const MaterialTable& a, const MaterialTable& b) {
  for (int r = 1; r <= RowCount; ++r) {
    ASSERT_EQ(a.Energy(r), b.Energy(r)) << "row " << r;
    for (int c = 1; c <= 3; ++c) ASSERT_EQ(a.StopPower(r, c), b.StopPower(r, c)) << "row " << r;
    for (int c = 1; c <= 2; ++c) ASSERT_EQ(a.RangeData(r, c), b.RangeData(r, c)) << "row " << r;
  }
}

std::vector<std::string> Replace(std::vector<std::string> lines, std::size_t index, std::string text) {
  lines[index] = std::move(text);
  return lines;
}

// --- Layout of a good file ----------------------------------------------------------

TEST(MaterialFileLayout, LineEndsCrLfLfAndCrReadAlike) {
  TempFolder folder;
  const auto lines = ValidTableLines();
  const auto crlf = ReadOk(folder.Write("crlf.as", JoinLines(lines, "\r\n")));
  const auto lf = ReadOk(folder.Write("lf.as", JoinLines(lines, "\n")));
  const auto cr = ReadOk(folder.Write("cr.as", JoinLines(lines, "\r")));
  ExpectSameNumbers(crlf, lf);
  ExpectSameNumbers(crlf, cr);
  for (int r = 1; r <= RowCount; ++r) {
    EXPECT_EQ(crlf.RowText(r), lines[static_cast<std::size_t>(9 + r)].substr(0, 59));
    EXPECT_EQ(lf.RowText(r), crlf.RowText(r));
    EXPECT_EQ(cr.RowText(r), crlf.RowText(r));
  }
  EXPECT_EQ(cr.MaterialTitle, "TEST MATERIAL");
  EXPECT_DOUBLE_EQ(crlf.Energy(1), 1e-3);
  EXPECT_DOUBLE_EQ(crlf.StopPower(122, Electronic), 222.0);
}

TEST(MaterialFileLayout, RowTextIsTheFirst59CharactersAndTheListItemAddsOneBlank) {
  TempFolder folder;
  auto lines = ValidTableLines();
  const std::string shortRow = "1.000E-03 1 2 3 4 5 6";
  lines[10] = shortRow;
  const auto table = ReadOk(folder.Write("t.as", JoinLines(lines)));
  EXPECT_EQ(table.RowText(1), shortRow);
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
  ExpectSameNumbers(plain, commas);
  EXPECT_NE(commas.RowText(5).find(','), std::string::npos);
}

TEST(MaterialFileLayout, ABlankLineInTheBlockKeepsTheNumbersButShiftsTheRowTexts) {
  TempFolder folder;
  auto lines = ValidTableLines();
  const auto plain = ReadOk(folder.Write("plain.as", JoinLines(lines)));
  lines.insert(lines.begin() + 20, "");
  const auto shifted = ReadOk(folder.Write("shifted.as", JoinLines(lines)));
  ExpectSameNumbers(plain, shifted);
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
  const auto extended = ReadOk(folder.Write("extended.as", JoinLines(lines)));
  ExpectSameNumbers(plain, extended);
  EXPECT_EQ(extended.RowText(122), plain.RowText(122));
}

TEST(MaterialFileLayout, EachRowHoldsItsSevenNumbersOnALineOfItsOwn) {
  const auto good = ValidTableLines();
  auto fields = [&](std::size_t index, std::size_t count) {
    std::istringstream in(good[index]);
    std::string kept, number;
    for (std::size_t k = 0; k < count && in >> number; ++k) kept += (k ? " " : "") + number;
    return kept;
  };
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int line;  // 0: the file reads
  };
  const Case cases[] = {
      {"six numbers", Replace(good, 14, fields(14, 6)), 15},
      {"eight numbers", Replace(good, 15, good[15] + " 9.0E-01"), 16},
      {"six then eight", Replace(Replace(good, 14, fields(14, 6)), 15, good[15] + " 9.0E-01"), 15},
      {"a row split over two lines", Replace(Replace(good, 19, fields(19, 4)), 20, "5 6 7\n" + good[20]), 20},
      {"an eighth number after the last row is never read", Replace(good, 131, good[131] + " 1..2"), 0},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    const auto result = ReadMaterialTable(folder.Write("layout.as", JoinLines(c.lines)));
    if (c.line == 0) {
      EXPECT_FALSE(result.error) << c.name << ": " << result.error->Message();
      continue;
    }
    ASSERT_TRUE(result.error) << c.name << " was accepted";
    EXPECT_EQ(result.error->line, c.line) << c.name << ": " << result.error->Message();
    EXPECT_NE(result.error->problem.find("7 numbers on a line of its own"), std::string::npos) << result.error->Message();
  }
}

TEST(MaterialFileLayout, TitlesAreUtf8OrElseLatin1) {
  TempFolder folder;
  auto utf8 = ReadOk(folder.Write("u.as", JoinLines(ValidTableLines("POLY\xC3\x84THYLEN"))));
  EXPECT_EQ(utf8.MaterialTitle, "POLY\xC3\x84THYLEN");
  auto latin1 = ReadOk(folder.Write("l.as", JoinLines(ValidTableLines("POLY\xC4THYLEN"))));
  EXPECT_EQ(latin1.MaterialTitle, "POLY\xC3\x84THYLEN");
  auto empty = ReadOk(folder.Write("e.as", JoinLines(ValidTableLines(""))));
  EXPECT_EQ(empty.MaterialTitle, "");
}

TEST(MaterialFileLayout, AVeryLongTitleIsCutBetweenCharacters) {
  TempFolder folder;
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
      {std::string("1\0002", 3), "1\\x002"},
      {"\x1B[2J", "\\x1B[2J"},
      {"tab\there", "tab\\x09here"},
      {"\x7F", "\\x7F"},
      {"caf\xC3\xA9", "caf\xC3\xA9"},   // UTF-8 stays as it is
      {"caf\xE9", "caf\xC3\xA9"},        // Latin-1 becomes UTF-8
      {"\x85x", "\\x85x"},             // a Latin-1 C1 control
      {"1.0E+05", "1.0E+05"},
  };
  for (const auto& [bytes, shown] : cases) EXPECT_EQ(PrintableText(bytes), shown);
}

// --- ReadTitleLine -------------------------------------------------------------------

TEST(ReadTitleLine, ReturnsLineTwoWithoutItsLineEnd) {
  TempFolder folder;
  EXPECT_EQ(ReadTitleLine(folder.Write("a.as", "first\r\nSECOND LINE\r\nthird")).title, "SECOND LINE");
  EXPECT_EQ(ReadTitleLine(folder.Write("b.as", "first\rSECOND")).title, "SECOND");
  EXPECT_FALSE(ReadTitleLine(folder.Write("c.as", "first\nSECOND")).error);
}

TEST(ReadTitleLine, ReportsMissingAndShortFiles) {
  TempFolder folder;
  const auto missing = ReadTitleLine((folder.Path() / "gone.as").string());
  ASSERT_TRUE(missing.error);
  EXPECT_NE(missing.error->Message().find("gone.as"), std::string::npos);
  const auto oneLine = ReadTitleLine(folder.Write("one.as", "only line\n"));
  ASSERT_TRUE(oneLine.error);
  EXPECT_EQ(oneLine.error->line, 2);
}

TEST(ReadTitleLine, RefusesUtf16AndBinaryFilesOnThePick) {
  TempFolder folder;
  const struct {
    const char* name;
    std::string bytes;
    int line;
  } cases[] = {
      {"utf16.as", std::string("\xFF\xFEM\0a\0\n\0T\0", 10), 1},
      {"utf16-no-mark.as", std::string("M\0a\0\n\0T\0", 8), 1},
      {"nul-title.as", std::string("first\nTI\0TLE\n", 14), 2},
  };
  for (const auto& c : cases) {
    const auto result = ReadTitleLine(folder.Write(c.name, c.bytes));
    ASSERT_TRUE(result.error) << c.name;
    EXPECT_EQ(result.error->line, c.line) << c.name;
    EXPECT_EQ(result.error->Message().find('\0'), std::string::npos) << c.name;
    EXPECT_TRUE(result.title.empty()) << c.name;
  }
}

// --- The two passes -------------------------------------------------------------------

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

// --- A real table ---------------------------------------------------------------------

std::vector<std::string> FileLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST(ReferenceTable, IsReadBackExactly) {
  ALPHASTOP_REQUIRE_REFERENCE(reference);
  for (const char* name : {"as/Gold.as", "asc/Water_liquid.asc"}) {
    const auto path = reference / name;
    const auto lines = FileLines(path);
    const auto table = ReadOk(path.string());
    EXPECT_EQ(table.MaterialTitle, lines[1]);
    EXPECT_EQ(ReadTitleLine(path.string()).title, lines[1]);
    for (int r = 1; r <= RowCount; ++r) {
      const std::string& line = lines[static_cast<std::size_t>(9 + r)];
      std::istringstream numbers(line);
      double expected[7];
      for (double& value : expected) numbers >> value;
      ASSERT_EQ(table.Energy(r), expected[0]) << name << " row " << r;
      for (int c = 1; c <= 3; ++c) ASSERT_EQ(table.StopPower(r, c), expected[c]) << name << " row " << r;
      for (int c = 1; c <= 2; ++c) ASSERT_EQ(table.RangeData(r, c), expected[3 + c]) << name << " row " << r;
      ASSERT_EQ(table.RowText(r), line.substr(0, 59));
    }
  }
}

}  // namespace
}  // namespace alphastop
