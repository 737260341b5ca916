#include "core/data/MaterialFile.h"

#include <charconv>
#include <string_view>
#include <variant>
#include <vector>

#include "core/data/FileRefusal.h"
#include "core/data/NumberField.h"
#include "core/data/TextEncoding.h"
#include "core/data/TextStream.h"
#include "core/text/NumberFormat.h"

namespace alphastop {
namespace {

constexpr int TitleLine = 2;
constexpr int HeaderLines = FirstDataLine - 1;  // lines 1..10 come before the rows

const char* const FieldNames[NumbersPerRow] = {
    "energy",     "electronic stopping power", "nuclear stopping power", "total stopping power",
    "CSDA range", "projected range",           "seventh number"};

// The title and facts of the header lines read so far (lines[0] is line 1).
void TakeHeader(const std::vector<std::string>& lines, MaterialHeader& header) {
  if (lines.size() >= TitleLine) header.title = lines[TitleLine - 1];
  static_cast<MaterialFacts&>(header) = FactsOfHeader(lines);
}

std::optional<Refusal> ReadHeader(const std::string& path, TextStream& stream,
                                  MaterialHeader* header) {
  std::string bytes;
  std::vector<std::string> lines;
  for (int line = 1; line <= HeaderLines; ++line) {
    if (!stream.ReadLine(bytes))
      return FileRefusal(path, line, "the file ends here; the table's rows begin at line 11");
    if (auto error = NotTextRefusal(path, line, bytes)) return error;
    if (header) lines.push_back(DecodeLine(bytes));
  }
  if (header) TakeHeader(lines, *header);
  return std::nullopt;
}

std::optional<Refusal> CheckValue(const std::string& path, int line, int row, int field,
                                  double value, const MaterialTable& table) {
  const bool mustBePositive = field <= 3;  // energy and the three stopping powers
  if (mustBePositive && !(value > 0))
    return FileRefusal(path, line,
                       "the " + std::string(FieldNames[field]) + " of row " + std::to_string(row) +
                           " is " + FormatScientific(value) + "; it must be greater than zero");
  if (field == 0 && row > 1 && !(value > table.Energy(row - 1)))
    return FileRefusal(path, line,
                       "the energy of row " + std::to_string(row) + " (" + FormatScientific(value) +
                           " MeV) is not above that of the row before (" +
                           FormatScientific(table.Energy(row - 1)) + " MeV); energies must ascend");
  return std::nullopt;
}

void Store(TableRow& row, int field, double value) {
  if (field == 0)
    row.energy = value;
  else if (field <= 3)
    row.stopPower[static_cast<std::size_t>(field - 1)] = value;
  else if (field <= 5)
    row.range[static_cast<std::size_t>(field - 4)] = value;
  // The seventh number is read to keep the stream in step, and dropped.
}

// A row of six numbers followed by one of eight reads, number by number, like two good
// rows, but with values shifted into the wrong columns; only the lines tell them apart.
std::optional<Refusal> CheckRowLayout(const std::string& path, int row, int field, int line,
                                      int rowLine) {
  if (field == 0 && row > 1 && line == rowLine)
    return FileRefusal(path, line,
                       "this line holds more than 7 numbers (row " + std::to_string(row) +
                           " begins on the line of row " + std::to_string(row - 1) +
                           "); each row has its 7 numbers on a line of its own");
  if (field > 0 && line != rowLine)
    return FileRefusal(
        path, rowLine,
        "row " + std::to_string(row) + " has " + std::to_string(field) +
            " numbers on this line, not 7; each row has its 7 numbers on a line of its own");
  return std::nullopt;
}

std::optional<Refusal> ReadNumbers(const std::string& path, TextStream& stream,
                                   MaterialTable& table) {
  std::string field;
  int line = FirstDataLine;
  int rowLine = 0;  // the line of the current row's first number
  bool truncated = false;
  for (int row = 1; row <= RowCount; ++row) {
    for (int k = 0; k < NumbersPerRow; ++k) {
      if (!stream.ReadField(field, line, truncated))
        return FileRefusal(path, stream.Line(),
                           "the file ends before the " + std::string(FieldNames[k]) + " of row " +
                               std::to_string(row) + "; a table has 122 rows of 7 numbers");
      if (auto error = CheckRowLayout(path, row, k, line, rowLine)) return error;
      if (k == 0) rowLine = line;
      if (truncated) field += "...";
      const Checked<double> parsed = ParseNumberField(field);
      if (const Refusal* no = Refused(parsed))
        return FileRefusal(
            path, line,
            no->message + " (" + FieldNames[k] + " of row " + std::to_string(row) + ")");
      const double value = std::get<double>(parsed);
      if (auto error = CheckValue(path, line, row, k, value, table)) return error;
      Store(table.rows[static_cast<std::size_t>(row - 1)], k, value);
    }
  }
  return std::nullopt;
}

std::optional<Refusal> ReadRowTexts(const std::string& path, TextStream& stream,
                                    MaterialTable& table) {
  std::string bytes;
  for (int row = 1; row <= RowCount; ++row) {
    if (!stream.ReadLine(bytes))
      return FileRefusal(path, stream.Line(),
                         "the file ends here; the 122 rows need lines 11 to 132");
    table.rows[static_cast<std::size_t>(row - 1)].text =
        FirstCharacters(DecodeLine(bytes), RowTextLength);
  }
  return std::nullopt;
}

}  // namespace

Checked<std::string> ReadTitleLine(const std::string& path) {
  Checked<MaterialHeader> header = ReadMaterialHeader(path);
  if (const Refusal* no = Refused(header)) return *no;
  return std::move(std::get<MaterialHeader>(header).title);
}

Checked<MaterialHeader> ReadMaterialHeader(const std::string& path) {
  TextStream stream(path);
  if (auto error = OpenRefusal(path, stream)) return *error;
  std::string bytes;
  std::vector<std::string> lines;
  for (int line = 1; line <= HeaderLines; ++line) {
    if (!stream.ReadLine(bytes)) {
      if (line > TitleLine) break;
      return FileRefusal(path, line, "the file ends before its title on line 2");
    }
    // A line that is no text ends the facts, as the load would refuse the file.
    auto notText = NotTextRefusal(path, line, bytes);
    if (notText && line <= TitleLine) return *notText;
    if (notText) break;
    lines.push_back(DecodeLine(bytes));
  }
  MaterialHeader header;
  TakeHeader(lines, header);
  return header;
}

Checked<MaterialTable> ReadMaterialTable(std::string path, const PendingEvents& betweenPasses) {
  MaterialTable table;
  {
    TextStream stream(path);
    MaterialHeader header;
    if (auto error = OpenRefusal(path, stream)) return *error;
    if (auto error = ReadHeader(path, stream, &header)) return *error;
    table.MaterialTitle = std::move(header.title);
    static_cast<MaterialFacts&>(table) = std::move(header);
    if (auto error = ReadNumbers(path, stream, table)) return *error;
  }
  if (betweenPasses) betweenPasses();
  {
    TextStream stream(path);
    if (auto error = OpenRefusal(path, stream)) return *error;
    if (auto error = ReadHeader(path, stream, nullptr)) return *error;
    if (auto error = ReadRowTexts(path, stream, table)) return *error;
  }
  return table;
}

std::optional<Refusal> LoadMaterialTable(std::string path, const PendingEvents& betweenPasses) {
  Checked<MaterialTable> result = ReadMaterialTable(path, betweenPasses);
  if (const Refusal* no = Refused(result)) return *no;
  MaterialTable& read = std::get<MaterialTable>(result);
  MaterialTable& shared = SharedMaterialTable();
  shared.LoadedFile = std::move(path);
  shared.MaterialTitle = std::move(read.MaterialTitle);
  static_cast<MaterialFacts&>(shared) = std::move(read);
  shared.rows = std::move(read.rows);
  return std::nullopt;
}

}  // namespace alphastop
