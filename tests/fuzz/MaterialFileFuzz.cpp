// Arbitrary bytes as a data file: the title read and the full load either give a table
// that keeps every promise the lookups and the graph rely on, or a warning that names the
// file and a line of it, and then leave the loaded table exactly as it was.

#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "FuzzCheck.h"
#include "core/data/MaterialFile.h"
#include "core/data/TextEncoding.h"

namespace {

using namespace alphastop;
using alphastop::fuzz::Require;

struct ScratchFile {
  const std::string path = "/tmp/alphastop-fuzz-" + std::to_string(getpid()) + ".as";
  ~ScratchFile() { std::remove(path.c_str()); }
};

bool IsUtf8(const std::string& text) { return DecodeLine(text) == text; }

// The file's line count as the reading counts lines: CRLF, LF and CR each end one.
int LineCount(const std::uint8_t* data, std::size_t size) {
  int lines = 1;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n' || data[i] == '\r') ++lines;
    if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
  }
  return lines;
}

void CheckWarning(const Refusal& error, const std::string& path, int lines) {
  Require(error.kind == RefusalKind::Unreadable && error.message.find(path) != std::string::npos,
          "the warning names the file", error.message);
  Require(error.line >= 1 && error.line <= lines + 1, "the warning names a line of the file",
          error.message);
  // The message box shows it as UTF-8; a control byte could cut or garble it. The one line
  // end parts the file's name from the fault.
  const std::string problem = error.message.substr(error.message.find('\n') + 1);
  Require(problem.size() > 2 && IsUtf8(problem), "the warning says in UTF-8 what is wrong",
          problem);
  Require(std::none_of(problem.begin(), problem.end(),
                       [](unsigned char c) { return c < 0x20 || c == 0x7F; }),
          "the warning holds no control character", problem);
}

void CheckTable(const MaterialTable& table) {
  for (int r = 1; r <= RowCount; ++r) {
    Require(std::isfinite(table.Energy(r)) && table.Energy(r) > 0, "energies are above zero");
    Require(r == 1 || table.Energy(r) > table.Energy(r - 1), "energies ascend");
    for (const double s : table.rows[std::size_t(r - 1)].stopPower)
      Require(std::isfinite(s) && s > 0, "stopping powers are above zero");
    Require(std::isfinite(table.RangeData(r, 1)) && std::isfinite(table.RangeData(r, 2)),
            "ranges are numbers");
    Require(IsUtf8(table.RowText(r)), "row texts are UTF-8", table.RowText(r));
    Require(FirstCharacters(table.RowText(r), RowTextLength) == table.RowText(r),
            "row texts hold 59 characters at most", table.RowText(r));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile scratch;
  const std::string& path = scratch.path;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), std::streamsize(size));
  const int lines = LineCount(data, size);

  const Checked<std::string> title = ReadTitleLine(path);
  if (const Refusal* no = Refused(title)) CheckWarning(*no, path, lines);
  if (const std::string* text = ValueOf(title)) Require(IsUtf8(*text), "the title is UTF-8", *text);

  MaterialTable& shared = SharedMaterialTable();
  shared = MaterialTable{};
  shared.MaterialTitle = "LOADED BEFORE";
  shared.density = 7.0;
  for (int r = 1; r <= RowCount; ++r) shared.rows[std::size_t(r - 1)].energy = r;
  int eventRuns = 0;
  const auto error = LoadMaterialTable(path, [&] { ++eventRuns; });
  Require(eventRuns <= 1, "events run once at most, between the passes");
  if (error) {
    CheckWarning(*error, path, lines);
    Require(shared.MaterialTitle == "LOADED BEFORE" && shared.density == 7.0,
            "a refused file leaves the title and density");
    for (int r = 1; r <= RowCount; ++r)
      Require(shared.Energy(r) == r && shared.RowText(r).empty(), "a refused file leaves the rows");
    return 0;
  }
  Require(eventRuns == 1, "a good load lets events run between its passes");
  Require(ValueOf(title) && shared.MaterialTitle == *ValueOf(title),
          "the load's title is the title read on the pick");
  CheckTable(shared);
  const Checked<MaterialHeader> header = ReadMaterialHeader(path);
  Require(ValueOf(header) && ValueOf(header)->density == shared.density,
          "the header read gives the load's density");
  Require(!shared.density || (std::isfinite(*shared.density) && *shared.density > 0),
          "a density is above zero");
  return 0;
}
