#include "core/import/CsvTable.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/data/FileRefusal.h"
#include "core/data/NumberField.h"
#include "core/data/TextEncoding.h"
#include "core/data/TextStream.h"
#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

constexpr int EnergyColumn = -1;  // a column's role besides the quantities

struct Column {
  std::size_t field = 0;  // its place in a line, from 0
  int role = 0;           // a Quantity as int, or EnergyColumn
  double factor = 1;      // to MeV, MeV cm2/g or g/cm2
  std::string name;       // as the header gives it
};

bool Has(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool HasAny(std::string_view text, std::initializer_list<std::string_view> parts) {
  return std::any_of(parts.begin(), parts.end(), [&](std::string_view p) { return Has(text, p); });
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string Without(std::string text, std::initializer_list<std::string_view> words) {
  for (std::string_view word : words)
    for (std::size_t at; (at = text.find(word)) != std::string::npos;) text.erase(at, word.size());
  return text;
}

double EnergyFactor(std::string_view name) {
  if (Has(name, "gev")) return 1e3;
  if (Has(name, "kev")) return 1e-3;
  if (Has(name, "mev")) return 1;
  if (Has(name, "ev")) return 1e-6;
  return 1;
}

// A range column's factor to g/cm2; nullopt for a range given as a length, which needs a
// density the file does not state.
std::optional<double> RangeFactor(const std::string& name) {
  const std::string unit = Without(name, {"csda", "projected", "range"});
  if (Has(unit, "mg")) return 1e-3;
  if (HasAny(unit, {"ug", "\xC2\xB5g"})) return 1e-6;
  if (Has(unit, "g")) return 1;
  if (HasAny(unit, {"m", "\xC3\xA5", "angstrom"})) return std::nullopt;
  return 1;
}

// The column a header name stands for; nullopt for one passed over. otherUnit is set where
// a stopping power is named in another unit than MeV cm2/g.
std::optional<Column> ColumnNamed(const std::string& given, std::size_t field, bool& otherUnit) {
  const std::string name = Lower(given);
  if (HasAny(name, {"uncertainty", "percent", "detour", "straggling"})) return std::nullopt;
  Column column{field, 0, 1, given};
  if (Has(name, "energy") || name == "e" || name.starts_with("e ") || name.starts_with("e_") ||
      name.starts_with("e(")) {
    column.role = EnergyColumn;
    column.factor = EnergyFactor(Without(name, {"energy"}));
    return column;
  }
  if (HasAny(name, {"csda", "projected"})) {
    const std::optional<double> factor = RangeFactor(name);
    if (!factor) return std::nullopt;
    column.role =
        static_cast<int>(Has(name, "csda") ? Quantity::CsdaRange : Quantity::ProjectedRange);
    column.factor = *factor;
    return column;
  }
  if (Has(name, "elec"))
    column.role = static_cast<int>(Quantity::Electronic);
  else if (Has(name, "nucl"))
    column.role = static_cast<int>(Quantity::Nuclear);
  else if (HasAny(name, {"total", "stopping", "dedx", "de/dx"}))
    column.role = static_cast<int>(Quantity::Total);
  else
    return std::nullopt;
  otherUnit = HasAny(name, {"kev", "ev/a", "angstrom", "\xC3\xA5", "um", "\xC2\xB5m", "micron",
                            "mm", "mg", "ug", "\xC2\xB5g", "atoms"});
  return column;
}

// A comma outside quotes, else a semicolon, else a tab.
char SeparatorOf(std::string_view header) {
  bool quoted = false, semicolon = false;
  for (char c : header) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == ',') return ',';
    semicolon = semicolon || c == ';';
  }
  return semicolon ? ';' : '\t';
}

// The fields of a line: separated by the separator, each trimmed of blanks, a field in
// double quotes taken whole with "" read as one quote.
std::vector<std::string> Fields(std::string_view line, char separator) {
  std::vector<std::string> fields(1);
  bool quoted = false, wasQuoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"' && TrimSpace(fields.back()).empty()) {
      quoted = wasQuoted = true;
      fields.back().clear();
    } else if (c == separator) {
      if (!wasQuoted) fields.back() = std::string(TrimSpace(fields.back()));
      fields.emplace_back();
      wasQuoted = false;
    } else if (!wasQuoted) {
      fields.back() += c;
    }
  }
  if (!wasQuoted) fields.back() = std::string(TrimSpace(fields.back()));
  return fields;
}

class CsvReader {
 public:
  explicit CsvReader(const std::string& path) : path_(path), stream_(path) {}

  Checked<TableCurves> Read() {
    if (auto no = OpenRefusal(path_, stream_)) return *no;
    std::string line;
    int number = 0;
    while (NextLine(line, number)) {
      if (auto no = NotText(line, number)) return *no;
      if (columns_.empty()) {
        if (auto no = ReadHeader(line, number)) return *no;
      } else if (auto no = ReadRow(line, number)) {
        return *no;
      }
    }
    if (columns_.empty()) return FileRefusal(path_, 0, "it holds no header line naming columns");
    if (curves_.energies.size() < 2)
      return FileRefusal(path_, number, "the file ends here; a table needs at least two rows");
    curves_.title = std::filesystem::path(path_).stem().string();
    return std::move(curves_);
  }

 private:
  // The next line that is neither blank nor a comment; false at the end of the file.
  bool NextLine(std::string& line, int& number) {
    std::string bytes;
    for (int at = stream_.Line(); stream_.ReadLine(bytes); at = stream_.Line()) {
      number = at;
      line = bytes;
      const std::string_view text = TrimSpace(line);
      if (!text.empty() && !text.starts_with('#')) return true;
    }
    return false;
  }

  std::optional<Refusal> NotText(const std::string& bytes, int number) {
    if (auto no = NotTextRefusal(path_, number, bytes)) return no;
    if (bytes.size() >= TextStream::MaxKeptLineBytes - 4)
      return FileRefusal(path_, number,
                         "the line is longer than " + std::to_string(TextStream::MaxKeptLineBytes) +
                             " characters");
    return std::nullopt;
  }

  std::optional<Refusal> ReadHeader(const std::string& bytes, int number) {
    separator_ = SeparatorOf(bytes);
    const std::vector<std::string> names = Fields(DecodeLine(bytes), separator_);
    bool energy = false;
    for (std::size_t f = 0; f < names.size(); ++f) {
      bool otherUnit = false;
      std::optional<Column> column = ColumnNamed(names[f], f, otherUnit);
      if (!column) continue;
      if (otherUnit)
        return FileRefusal(path_, number,
                           "the column " + QuotedText(names[f]) +
                               " gives a stopping power in another unit than MeV cm2/g");
      for (const Column& before : columns_)
        if (before.role == column->role)
          return FileRefusal(path_, number,
                             "the columns " + QuotedText(before.name) + " and " +
                                 QuotedText(names[f]) + " give the same quantity");
      energy = energy || column->role == EnergyColumn;
      columns_.push_back(std::move(*column));
    }
    if (!energy)
      return FileRefusal(path_, number,
                         "no column of the header is an energy (name one \"energy_MeV\")");
    if (columns_.size() < 2)
      return FileRefusal(path_, number,
                         "no column of the header is a stopping power or range (name them "
                         "electronic, nuclear, total, csda or projected)");
    return std::nullopt;
  }

  std::optional<Refusal> ReadRow(const std::string& bytes, int number) {
    if (curves_.energies.size() >= static_cast<std::size_t>(MaxCsvRows))
      return FileRefusal(path_, number,
                         "the file holds more than " + std::to_string(MaxCsvRows) + " rows");
    const std::vector<std::string> fields = Fields(DecodeLine(bytes), separator_);
    for (const Column& column : columns_) {
      if (column.field >= fields.size() || fields[column.field].empty())
        return FileRefusal(path_, number, "the row gives no " + column.name);
      const Checked<double> parsed = ParseNumberField(fields[column.field]);
      if (const Refusal* no = Refused(parsed))
        return FileRefusal(path_, number, no->message + " (" + column.name + ")");
      const double value = std::get<double>(parsed) * column.factor;
      if (!(std::isfinite(value) && value > 0))
        return FileRefusal(path_, number,
                           "the " + column.name + " is " + fields[column.field] +
                               "; it must be greater than zero");
      if (column.role == EnergyColumn) {
        if (!curves_.energies.empty() && !(value > curves_.energies.back()))
          return FileRefusal(path_, number,
                             "the energy " + fields[column.field] +
                                 " is not above that of the row before; energies must ascend");
        curves_.energies.push_back(value);
      } else {
        curves_.values[static_cast<std::size_t>(column.role)].push_back(value);
      }
    }
    return std::nullopt;
  }

  std::string path_;
  TextStream stream_;
  char separator_ = ',';
  std::vector<Column> columns_;
  TableCurves curves_;
};

}  // namespace

Checked<TableCurves> ReadCsvTable(const std::string& path) { return CsvReader(path).Read(); }

}  // namespace alphastop
