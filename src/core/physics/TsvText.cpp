#include "core/physics/TsvText.h"

#include "core/data/NumberField.h"

#include <stdexcept>
#include <variant>

namespace alphastop::tables {
namespace {

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(separator, start);
    parts.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::string_view TsvRow::Text(std::size_t i) const {
  return i < fields.size() ? fields[i] : std::string_view();
}

double TsvRow::Number(std::size_t i) const {
  const auto number = ParseNumberField(Text(i));
  if (const double* value = std::get_if<double>(&number)) return *value;
  Fail("number in column " + std::to_string(i + 1));
}

void TsvRow::Fail(std::string_view what) const {
  throw std::logic_error("physics data line " + std::to_string(lineNumber) + ": bad " +
                         std::string(what));
}

std::vector<TsvRow> TsvRows(std::string_view text, std::string_view firstColumn,
                            std::size_t columns) {
  std::vector<TsvRow> rows;
  bool columnLine = false;
  int lineNumber = 0;
  for (std::string_view line : Split(text, '\n')) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    TsvRow row{lineNumber, Split(line, '\t')};
    if (!columnLine) {
      if (row.Text(0) != firstColumn) row.Fail("column line");
      columnLine = true;
      continue;
    }
    if (row.fields.size() < columns) row.Fail("row: too few columns");
    rows.push_back(std::move(row));
  }
  if (rows.empty()) throw std::logic_error("physics data: no rows");
  return rows;
}

}  // namespace alphastop::tables
