#pragma once
// Rows of the tab-separated physics data files (data/physics): lines starting with '#' are
// their header, the first other line names the columns, every further line is a row.

#include <string>
#include <string_view>
#include <vector>

namespace alphastop::tables {

struct TsvRow {
  int lineNumber = 0;
  std::vector<std::string_view> fields;

  // The field at column i; empty where the row is shorter.
  std::string_view Text(std::size_t i) const;
  // The field at column i as a number. Throws std::logic_error naming the line where it is
  // none: the files are embedded when building, so a fault is the build's.
  double Number(std::size_t i) const;
  [[noreturn]] void Fail(std::string_view what) const;
};

// The rows of text after its column line, which must start with `firstColumn`; each row must
// have at least `columns` fields. Throws std::logic_error naming the line of a fault.
std::vector<TsvRow> TsvRows(std::string_view text, std::string_view firstColumn,
                            std::size_t columns);

}  // namespace alphastop::tables
