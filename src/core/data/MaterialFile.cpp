#include "core/data/MaterialFile.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <variant>
#include <vector>

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

// The warning names the file, then the line where there is one: "The file \"x\" cannot be
// read.\nLine 12: the field \"1..2\" is not a number."
Refusal Fail(const std::string& path, int line, std::string problem) {
  std::string message = "The file \"" + path + "\" cannot be read.\n";
  if (line > 0) {
    message += "Line " + std::to_string(line) + ": " + problem + ".";
  } else {
    if (!problem.empty())
      problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
    message += problem + ".";
  }
  return {std::move(message), RefusalKind::Unreadable, line};
}

// Why a path cannot be read as a data file, or nullopt where it can be opened for reading.
std::optional<std::string> WhyNotReadable(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return "the file does not exist (any more)";
  if (std::filesystem::is_directory(status)) return "this is a folder, not a data file";
  // A pipe or device could block or never end; data files are plain files.
  if (!std::filesystem::is_regular_file(status)) return "this is not a plain file";
  return std::nullopt;
}

std::optional<Refusal> OpenError(const std::string& path, const TextStream& stream) {
  if (auto why = WhyNotReadable(path)) return Fail(path, 0, *why);
  if (!stream.IsOpen())
    return Fail(path, 0, "the file cannot be opened (no permission to read it?)");
  return std::nullopt;
}

// Files saved as UTF-16 hold a byte-order mark and a NUL beside every ASCII character.
bool LooksLikeUtf16(const std::string& firstLine) {
  if (firstLine.size() < 2) return false;
  const auto b0 = static_cast<unsigned char>(firstLine[0]);
  const auto b1 = static_cast<unsigned char>(firstLine[1]);
  return (b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF);
}

// Text files hold no NUL byte; UTF-16 without a byte-order mark and binary data hold many.
std::optional<Refusal> CheckIsText(const std::string& path, int line, const std::string& bytes) {
  if (line == 1 && LooksLikeUtf16(bytes))
    return Fail(path, 1, "the file is UTF-16 text; save it as UTF-8, Latin-1 or ASCII text");
  if (bytes.find('\0') != std::string::npos)
    return Fail(
        path, line,
        "the line holds NUL bytes, so this is no text file (UTF-16 without a byte-order mark, "
        "or binary data)");
  return std::nullopt;
}

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
      return Fail(path, line, "the file ends here; the table's rows begin at line 11");
    if (auto error = CheckIsText(path, line, bytes)) return error;
    if (header) lines.push_back(DecodeLine(bytes));
  }
  if (header) TakeHeader(lines, *header);
  return std::nullopt;
}

std::optional<Refusal> CheckValue(const std::string& path, int line, int row, int field,
                                  double value, const MaterialTable& table) {
  const bool mustBePositive = field <= 3;  // energy and the three stopping powers
  if (mustBePositive && !(value > 0))
    return Fail(path, line,
                "the " + std::string(FieldNames[field]) + " of row " + std::to_string(row) +
                    " is " + FormatScientific(value) + "; it must be greater than zero");
  if (field == 0 && row > 1 && !(value > table.Energy(row - 1)))
    return Fail(path, line,
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
    return Fail(path, line,
                "this line holds more than 7 numbers (row " + std::to_string(row) +
                    " begins on the line of row " + std::to_string(row - 1) +
                    "); each row has its 7 numbers on a line of its own");
  if (field > 0 && line != rowLine)
    return Fail(
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
        return Fail(path, stream.Line(),
                    "the file ends before the " + std::string(FieldNames[k]) + " of row " +
                        std::to_string(row) + "; a table has 122 rows of 7 numbers");
      if (auto error = CheckRowLayout(path, row, k, line, rowLine)) return error;
      if (k == 0) rowLine = line;
      if (truncated) field += "...";
      const Checked<double> parsed = ParseNumberField(field);
      if (const Refusal* no = Refused(parsed))
        return Fail(path, line,
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
      return Fail(path, stream.Line(), "the file ends here; the 122 rows need lines 11 to 132");
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
  if (auto error = OpenError(path, stream)) return *error;
  std::string bytes;
  std::vector<std::string> lines;
  for (int line = 1; line <= HeaderLines; ++line) {
    if (!stream.ReadLine(bytes)) {
      if (line > TitleLine) break;
      return Fail(path, line, "the file ends before its title on line 2");
    }
    // A line that is no text ends the facts, as the load would refuse the file.
    auto notText = CheckIsText(path, line, bytes);
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
    if (auto error = OpenError(path, stream)) return *error;
    if (auto error = ReadHeader(path, stream, &header)) return *error;
    table.MaterialTitle = std::move(header.title);
    static_cast<MaterialFacts&>(table) = std::move(header);
    if (auto error = ReadNumbers(path, stream, table)) return *error;
  }
  if (betweenPasses) betweenPasses();
  {
    TextStream stream(path);
    if (auto error = OpenError(path, stream)) return *error;
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
