// Damaged and hostile data files: each is refused whole with a warning that names the file
// and the line, or, where it is in fact readable, read soundly; a refused file leaves the
// loaded table exactly as it was.

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "core/data/MaterialFile.h"
#include "core/data/TextStream.h"
#include "support/DamagedFiles.h"
#include "support/TableFiles.h"

namespace alphastop {
namespace {

using testing::DamagedCase;
using testing::JoinLines;
using testing::TableDifference;
using testing::TempFolder;
using testing::ValidTableLines;

// The load refuses path naming it and line, with detail in the warning, and keeps the table.
void ExpectRefused(const std::string& path, int line, const std::string& detail,
                   const PendingEvents& betweenPasses = {}) {
  TempFolder folder;
  ASSERT_FALSE(LoadMaterialTable(folder.Write("good.as", JoinLines(ValidTableLines("BEFORE")))));
  const MaterialTable before = SharedMaterialTable();
  const auto error = LoadMaterialTable(path, betweenPasses);
  ASSERT_TRUE(error) << path << " was accepted";
  EXPECT_EQ(error->line, line) << error->Message();
  EXPECT_NE(error->Message().find(path), std::string::npos) << error->Message();
  EXPECT_NE(error->Message().find(detail), std::string::npos) << error->Message();
  EXPECT_EQ(TableDifference(SharedMaterialTable(), before), "");
}

class DamagedFileTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFileTest, GivesTheListedOutcome) {
  const DamagedCase& c = GetParam();
  const std::string path = (testing::DamagedFolder() / c.file).string();
  ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
  const TitleResult title = ReadTitleLine(path);
  if (!c.readable) {
    ExpectRefused(path, c.line, c.detail);
    // The pick warns only where the fault lies in the lines it reads.
    ASSERT_EQ(title.error.has_value(), c.line <= 2) << (title.error ? title.error->Message() : "no warning");
    if (title.error) {
      EXPECT_EQ(title.error->line, c.line);
    }
    return;
  }
  const ReadResult result = ReadMaterialTable(path);
  ASSERT_FALSE(result.error) << result.error->Message();
  EXPECT_EQ(result.table->MaterialTitle, c.detail);
  EXPECT_EQ(title.title, c.detail);
  // Every readable sample holds the made-up table's energies and stopping powers.
  TempFolder folder;
  const MaterialTable good = *ReadMaterialTable(folder.Write("good.as", JoinLines(ValidTableLines()))).table;
  for (int r = 1; r <= RowCount; ++r) {
    ASSERT_EQ(result.table->Energy(r), good.Energy(r)) << "row " << r;
    ASSERT_EQ(result.table->rows[r - 1].stopPower, good.rows[r - 1].stopPower) << "row " << r;
  }
}

INSTANTIATE_TEST_SUITE_P(Corpus, DamagedFileTest, ::testing::ValuesIn(testing::DamagedCases()),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

TEST(DamagedFileCorpus, ListsEveryFileOfItsFolder) {
  std::set<std::string> listed;
  for (const auto& c : testing::DamagedCases()) listed.insert(c.file);
  for (const auto& entry : std::filesystem::directory_iterator(testing::DamagedFolder())) {
    const auto extension = entry.path().extension();
    if (extension == ".as" || extension == ".asc") {
      EXPECT_TRUE(listed.count(entry.path().filename().string())) << entry.path() << " has no outcome listed";
    }
  }
}

long PeakMemoryKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Writes a good file whose line at index is head and count copies of filler, without ever
// holding the whole file in memory.
std::string WriteWithHugeLine(const TempFolder& folder, std::size_t index, const std::string& head,
                              char filler, std::size_t count) {
  const auto lines = ValidTableLines();
  const auto path = folder.Path() / "huge.as";
  std::ofstream out(path, std::ios::binary);
  const std::string chunk(1 << 16, filler);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == index) {
      out << head;
      for (std::size_t written = 0; written < count; written += chunk.size())
        out.write(chunk.data(), static_cast<std::streamsize>(std::min(chunk.size(), count - written)));
    } else {
      out << lines[i];
    }
    out << "\r\n";
  }
  return path.string();
}

TEST(HugeLine, OfTenMegabytesIsReadInBoundedTimeAndMemory) {
  constexpr std::size_t TenMegabytes = 10u << 20;
  TempFolder folder;
  const auto timed = [](const std::function<void()>& read) {
    const long peakBefore = PeakMemoryKilobytes();
    const auto start = std::chrono::steady_clock::now();
    read();
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 10.0);
    // The line is stepped over, never held: far less than its 10 MB may be added.
    EXPECT_LT(PeakMemoryKilobytes() - peakBefore, 4 * 1024);
  };
  {
    SCOPED_TRACE("a number of ten million digits on line 15");
    const std::string path = WriteWithHugeLine(folder, 14, "", '7', TenMegabytes);
    timed([&] { ExpectRefused(path, 15, "is not a number (energy of row 5)"); });
    const auto error = LoadMaterialTable(path);
    ASSERT_TRUE(error);
    EXPECT_LT(error->Message().size(), 1000u) << "the warning quotes only the field's start";
  }
  {
    SCOPED_TRACE("a title of ten million characters");
    const std::string path = WriteWithHugeLine(folder, 1, "", 'T', TenMegabytes);
    timed([&] {
      const auto result = ReadMaterialTable(path);
      ASSERT_FALSE(result.error) << result.error->Message();
      EXPECT_EQ(result.table->MaterialTitle, std::string(TextStream::MaxKeptLineBytes, 'T'));
    });
  }
  {
    SCOPED_TRACE("ten million blanks after the numbers of row 5");
    const auto lines = ValidTableLines();
    const std::string path = WriteWithHugeLine(folder, 14, lines[14], ' ', TenMegabytes);
    timed([&] {
      const auto result = ReadMaterialTable(path);
      ASSERT_FALSE(result.error) << result.error->Message();
      EXPECT_EQ(result.table->RowText(5), lines[14].substr(0, RowTextLength));
    });
  }
}

TEST(PathThatIsNoFile, AFolderNamedLikeADataFileIsRefused) {
  TempFolder folder;
  const auto path = folder.Path() / "as" / "Folder.as";
  std::filesystem::create_directories(path);
  ExpectRefused(path.string(), 0, "folder");
  const auto title = ReadTitleLine(path.string());
  ASSERT_TRUE(title.error);
  EXPECT_NE(title.error->Message().find("folder"), std::string::npos);
}

TEST(PathThatIsNoFile, AFileThatVanishesAfterThePickOrBetweenThePassesIsRefused) {
  TempFolder folder;
  const std::string path = folder.Write("as/Vanishing.as", JoinLines(ValidTableLines("VANISHING")));
  ASSERT_EQ(ReadTitleLine(path).title, "VANISHING");
  ExpectRefused(path, 0, "does not exist", [&] { std::filesystem::remove(path); });
  ExpectRefused(path, 0, "does not exist");
}

TEST(PathThatIsNoFile, AFileWithoutReadPermissionIsRefused) {
  TempFolder folder;
  const std::string path = folder.Write("as/Locked.as", JoinLines(ValidTableLines()));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  if (std::ifstream(path).is_open())
    GTEST_SKIP() << "this process reads files whatever their permission bits (it runs as root or with "
                    "CAP_DAC_OVERRIDE), so an unreadable file cannot be made here";
  ExpectRefused(path, 0, "cannot be opened");
  EXPECT_TRUE(ReadTitleLine(path).error);
}

}  // namespace
}  // namespace alphastop
