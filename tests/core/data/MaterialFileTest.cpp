// Reading material data files: the layout of good files, the title read on a pick, and
// damaged or hostile files, each refused whole with a warning that names the file and the
// line (or, where it is in fact readable, read soundly) while the loaded table stays as it was.

#include "core/data/MaterialFile.h"

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <set>

#include "core/data/TextEncoding.h"
#include "core/data/TextStream.h"
#include "support/CheckedValue.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::JoinLines;
using testing::TableDifference;
using testing::TempFolder;
using testing::ValidTableLines;

MaterialTable ReadOk(const std::string& path) { return testing::Value(ReadMaterialTable(path)); }

// The load refuses path naming it and line, with detail in the warning, and keeps the table.
void ExpectRefused(const std::string& path, int line, const std::string& detail,
                   const PendingEvents& betweenPasses = {}) {
  TempFolder folder;
  ASSERT_FALSE(LoadMaterialTable(folder.Write("good.as", JoinLines(ValidTableLines("BEFORE")))));
  const MaterialTable before = SharedMaterialTable();
  const auto error = LoadMaterialTable(path, betweenPasses);
  ASSERT_TRUE(error) << path << " was accepted";
  const std::string& message = error->message;
  EXPECT_TRUE(error->line == line && error->kind == RefusalKind::Unreadable &&
              message.find(path) != std::string::npos &&
              message.find(detail) != std::string::npos && message.find('\0') == std::string::npos)
      << message;
  EXPECT_EQ(TableDifference(SharedMaterialTable(), before), "");
}

TEST(MaterialFileLayout, RowTextsAreTheFirst59CharactersOfTheirLines) {
  TempFolder folder;
  auto lines = ValidTableLines();
  lines[10] = "1.000E-03 1 2 3 4 5 6";
  const auto table = ReadOk(folder.Write("t.as", JoinLines(lines)));
  EXPECT_EQ(table.MaterialTitle, "TEST MATERIAL");
  EXPECT_EQ(ReadOk(folder.Write("e.as", JoinLines(ValidTableLines("")))).MaterialTitle, "");
  for (int r = 1; r <= RowCount; ++r)
    EXPECT_EQ(table.RowText(r), lines[9 + r].substr(0, 59));  // row 1 is shorter
  EXPECT_EQ(table.ListItem(2), " " + lines[11].substr(0, 59));
  // The seventh number lies beyond character 59 and is still read: the rows stay in step.
  EXPECT_DOUBLE_EQ(table.Energy(3), std::stod(lines[12].substr(0, 9)));
  EXPECT_DOUBLE_EQ(table.StopPower(122, Electronic), 222.0);
}

TEST(MaterialFileLayout, CommasAndABlankLineAmongTheRowsLeaveTheNumbers) {
  TempFolder folder;
  const auto plain = ReadOk(folder.Write("plain.as", JoinLines(ValidTableLines())));
  auto commas = ValidTableLines(), blank = commas;
  for (auto& ch : commas[14]) ch = ch == ' ' ? ',' : ch;
  commas[15].replace(commas[15].find(' '), 1, " , ");
  blank.insert(blank.begin() + 20, "");
  const auto withCommas = ReadOk(folder.Write("commas.as", JoinLines(commas)));
  EXPECT_EQ(TableDifference(plain, withCommas, false), "");
  EXPECT_EQ(withCommas.RowText(5), commas[14].substr(0, 59));
  // A blank line among the rows shifts the row texts that follow it.
  const auto shifted = ReadOk(folder.Write("blank.as", JoinLines(blank)));
  EXPECT_EQ(TableDifference(plain, shifted, false), "");
  EXPECT_TRUE(shifted.RowText(10) == plain.RowText(10) && shifted.RowText(11).empty() &&
              shifted.RowText(122) == plain.RowText(121));
}

TEST(TextEncoding, CutsRowTextsByCharactersAndShowsControlCharactersInWarningsAsHex) {
  std::string accents;
  for (int i = 0; i < 70; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(FirstCharacters(accents, 59), accents.substr(0, 118));
  EXPECT_EQ(FirstCharacters("short", 59), "short");
  EXPECT_EQ(FirstCharacters(DecodeLine("\xE9t\xE9"), 2), "\xC3\xA9t");
  const std::pair<std::string, std::string> shown[] = {
      {std::string("1\0002", 3), "1\\x002"},
      {"\x1B[2J", "\\x1B[2J"},
      {"tab\there", "tab\\x09here"},
      {"\x7F", "\\x7F"},
      {"caf\xC3\xA9", "caf\xC3\xA9"} /* UTF-8 stays */,
      {"caf\xE9", "caf\xC3\xA9"} /* Latin-1 becomes UTF-8 */,
      {"\x85x", "\\x85x"} /* a C1 control */,
      {"1.0E+05", "1.0E+05"}};
  for (const auto& [bytes, text] : shown) EXPECT_EQ(PrintableText(bytes), text);
}

TEST(MaterialHeader, DensityIsReadFromLineThreeOrIsAbsentWithTheTableOtherwiseTheSame) {
  TempFolder folder;
  const MaterialTable plain = ReadOk(folder.Write("plain.as", JoinLines(ValidTableLines())));
  EXPECT_EQ(plain.density, 1.0);
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"Density 2.330E+00 g/cm3    Mean excitation energy 173.0 eV", 2.33},
      {" Density\t8.4e-5 g/cm3", 8.4e-5},
      {"", std::nullopt},
      {"density 1 g/cm3", std::nullopt},
      {"Density 1 kg/m3", std::nullopt},
      {"Density 1.0g/cm3", std::nullopt},
      {"Density g/cm3", std::nullopt},
      {"Density 1..2 g/cm3", std::nullopt},
      {"Density 0 g/cm3", std::nullopt},
      {"Density -1 g/cm3", std::nullopt},
      {"Density nan g/cm3", std::nullopt},
      {"Density 1e999 g/cm3", std::nullopt}};
  for (const auto& [line, density] : cases) {
    auto lines = ValidTableLines();
    lines[2] = line;
    const std::string path = folder.Write("t.as", JoinLines(lines));
    EXPECT_EQ(ReadOk(path).density, density) << line;
    EXPECT_EQ(TableDifference(ReadOk(path), plain), "") << line;
    const MaterialHeader header = testing::Value(ReadMaterialHeader(path));
    EXPECT_EQ(header.density, density) << line;
    EXPECT_EQ(header.title, plain.MaterialTitle) << line;
    ASSERT_FALSE(LoadMaterialTable(path));
    EXPECT_EQ(SharedMaterialTable().density, density) << "the load's copy, " << line;
  }
  const MaterialHeader twoLines =
      testing::Value(ReadMaterialHeader(folder.Write("two.as", "first\nTITLE\n")));
  EXPECT_EQ(twoLines.title, "TITLE");
  EXPECT_EQ(twoLines.density, std::nullopt);
}

TEST(MaterialHeader, OtherFactsComeOnlyFromLinesOfTheirOwnForm) {
  struct Case {
    const char* line3;
    const char* line5;
    std::optional<double> ivalue;
    TablePhase phase;
    std::size_t elements;
  };
  const Case cases[] = {
      {"Density 1.2E-03 g/cm3    Mean excitation energy 85.7 eV    Phase gas",
       "6: 0.000124  7: 0.755268  8: 0.231781  18: 0.012827", 85.7, TablePhase::Gas, 4},
      {"Density 1 g/cm3 Phase condensed", "1: 0.5  8: 0.5", std::nullopt, TablePhase::Condensed, 2},
      {"Density 1 g/cm3 Mean excitation energy 0 eV Phase gas", "1: 1", std::nullopt,
       TablePhase::Unstated, 1},
      {"Density 1 g/cm3 Phase plasma", "1:0.5 8:0.5", std::nullopt, TablePhase::Unstated, 0},
      {"Density 1 g/cm3", "1: 0.5  93: 0.5", std::nullopt, TablePhase::Unstated, 0},
      {"Phase gas", "1: 0.5  8: x", std::nullopt, TablePhase::Unstated, 0}};
  TempFolder folder;
  for (const Case& c : cases) {
    auto lines = ValidTableLines();
    lines[2] = c.line3;
    lines[3] = "Composition, atomic number: fraction by weight";
    lines[4] = c.line5;
    const std::string path = folder.Write("f.as", JoinLines(lines));
    const MaterialTable table = ReadOk(path);
    EXPECT_TRUE(table.meanExcitationEnergy == c.ivalue && table.phase == c.phase &&
                table.composition.size() == c.elements && !table.computedByModel)
        << c.line3 << " | " << c.line5;
    EXPECT_EQ(testing::Value(ReadMaterialHeader(path)).composition.size(), c.elements) << c.line5;
  }
}

TEST(LoadMaterialTable, RunsPendingEventsOnceBetweenThePassesAndKeepsToTheFirstFile) {
  TempFolder folder;
  const std::string first = folder.Write("as/First.as", JoinLines(ValidTableLines("FIRST")));
  auto otherLines = ValidTableLines("OTHER");
  otherLines[10] = "1.000E-03 9 9 9 9 9 9 other row";
  const std::string other = folder.Write("as/Other.as", JoinLines(otherLines));
  MaterialTable& shared = SharedMaterialTable();
  shared.DataFile = first;
  int eventsRun = 0;  // a pick made while the load lets events run:
  ASSERT_FALSE(LoadMaterialTable(shared.DataFile, [&] {
    shared.DataFile = other;
    ++eventsRun;
  }));
  EXPECT_EQ(eventsRun, 1);
  EXPECT_EQ(shared.MaterialTitle + "|" + shared.RowText(1),
            "FIRST|" + ValidTableLines()[10].substr(0, 59));
  EXPECT_EQ(shared.DataFile, other) << "the pick itself stands";
}

TEST(DamagedFiles, EachFileOfTheCorpusGivesItsListedOutcome) {
  TempFolder folder;
  const MaterialTable good = ReadOk(folder.Write("good.as", JoinLines(ValidTableLines())));
  std::set<std::string> listed;
  for (const testing::DamagedCase& c : testing::DamagedCases()) {
    SCOPED_TRACE(c.file);
    listed.insert(c.file);
    const std::string path = (testing::DamagedFolder() / c.file).string();
    const Checked<std::string> title = ReadTitleLine(path);
    if (!c.readable) {
      ExpectRefused(path, c.line, c.detail);
      // The pick warns only where the fault lies in the lines it reads.
      EXPECT_EQ(Refused(title) ? Refused(title)->line : 0, c.line <= 2 ? c.line : 0);
      continue;
    }
    const MaterialTable table = ReadOk(path);
    EXPECT_EQ(table.MaterialTitle + "|" + testing::Value(title), c.detail + "|" + c.detail);
    // Every readable sample holds the made-up table's energies and stopping powers.
    for (int r = 1; r <= RowCount; ++r)
      EXPECT_TRUE(table.Energy(r) == good.Energy(r) &&
                  table.rows[r - 1].stopPower == good.rows[r - 1].stopPower)
          << r;
  }
  for (const auto& entry : std::filesystem::directory_iterator(testing::DamagedFolder()))
    EXPECT_TRUE(entry.path().extension() == ".tsv" || entry.path().extension() == ".py" ||
                listed.count(entry.path().filename().string()))
        << entry.path() << " has no outcome listed";
}

// Writes a good file whose line at index is head and then 10 MB of filler repeated, without
// ever holding the whole file in memory.
std::string WriteWithHugeLine(const TempFolder& folder, std::size_t index, const std::string& head,
                              const std::string& filler) {
  const auto lines = ValidTableLines();
  const auto path = folder.Path() / "huge.as";
  std::ofstream out(path, std::ios::binary);
  out << JoinLines({lines.begin(), lines.begin() + index}) << head;
  std::string chunk;
  while (chunk.size() < (1u << 16)) chunk += filler;
  for (const auto start = out.tellp(); out.tellp() - start < std::streamoff(10u << 20);)
    out << chunk;
  out << "\r\n" << JoinLines({lines.begin() + index + 1, lines.end()});
  return path.string();
}

TEST(DamagedFiles, ALineOfTenMegabytesIsReadInBoundedTimeAndMemory) {
  TempFolder folder;
  const auto peakKilobytes = [] {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  const auto timed = [&](const std::function<void()>& read) {
    const long peakBefore = peakKilobytes();
    const auto start = std::chrono::steady_clock::now();
    read();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
              10.0);
    // The line is stepped over, never held: far less than its 10 MB may be added.
    EXPECT_LT(peakKilobytes() - peakBefore, 4 * 1024);
  };
  // What a read of any table sets up once (under AddressSanitizer, its stack frames too) is
  // not what the bound is about: only what the huge line adds.
  ReadOk(folder.Write("warm.as", JoinLines(ValidTableLines())));
  const std::string digits =
      WriteWithHugeLine(folder, 14, "", "7");  // a number of ten million digits on line 15
  timed([&] { EXPECT_TRUE(Refused(ReadMaterialTable(digits))); });
  ExpectRefused(digits, 15, "is not a number (energy of row 5)");
  EXPECT_LT(LoadMaterialTable(digits)->message.size(), 1000u)
      << "the warning quotes only the field's start";
  // A title of euro signs, 3 bytes each: no character ends at the 4096-byte limit of a line.
  const std::string euros = WriteWithHugeLine(folder, 1, "", "\xE2\x82\xAC");
  const std::string kept =
      JoinLines(std::vector<std::string>(TextStream::MaxKeptLineBytes / 3, "\xE2\x82\xAC"), "");
  timed([&] { EXPECT_EQ(ReadOk(euros).MaterialTitle, kept); });
  EXPECT_EQ(testing::Value(ReadTitleLine(euros)), kept);
  const auto lines = ValidTableLines();
  const std::string blanks =
      WriteWithHugeLine(folder, 14, lines[14], " ");  // after the numbers of row 5
  timed([&] { EXPECT_EQ(ReadOk(blanks).RowText(5), lines[14].substr(0, RowTextLength)); });
}

// A folder in the file's place, and a file gone before the load, meet the window in
// DamagedFileWindowTest.
TEST(DamagedFiles, AFileThatVanishesBetweenThePassesOfTheLoadIsRefused) {
  TempFolder folder;
  const std::string path = folder.Write("as/Vanishing.as", JoinLines(ValidTableLines("VANISHING")));
  ExpectRefused(path, 0, "does not exist", [&] { std::filesystem::remove(path); });
}

TEST(DamagedFiles, AFileWithoutReadPermissionIsRefused) {
  TempFolder folder;
  const std::string path = folder.Write("as/Locked.as", JoinLines(ValidTableLines()));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  if (std::ifstream(path).is_open())
    GTEST_SKIP() << "this process reads files whatever their permission bits (root)";
  ExpectRefused(path, 0, "cannot be opened");
  EXPECT_TRUE(Refused(ReadTitleLine(path)));
}

}  // namespace
}  // namespace alphastop
