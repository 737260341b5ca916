#pragma once
// The table of the material currently loaded: title, what its header says of the material
// (density, I, phase, composition), 122 rows of energy, stopping powers and ranges, and the
// path of the file last picked. One instance lives for the whole run.

#include <array>
#include <cassert>
#include <optional>
#include <string>

#include "core/data/MaterialFacts.h"

namespace alphastop {

inline constexpr int RowCount = 122;     // rows 1..122, always all filled by a load
inline constexpr int NumbersPerRow = 7;  // energy, 3 stopping powers, 2 ranges, detour factor
inline constexpr int NumbersPerTable = RowCount * NumbersPerRow;   // 854
inline constexpr int FirstDataLine = 11;                           // row r is line 10 + r
inline constexpr int LastDataLine = FirstDataLine + RowCount - 1;  // 132
inline constexpr std::size_t RowTextLength = 59;  // characters of a data line the list shows

enum StopPowerColumn { Electronic = 1, Nuclear = 2, Total = 3 };
enum RangeColumn { CsdaRange = 1, ProjectedRange = 2 };

struct TableRow {
  double energy = 0;                  // MeV
  std::array<double, 3> stopPower{};  // MeV cm2/g: electronic, nuclear, total
  std::array<double, 2> range{};      // g/cm2: CSDA, projected
  std::string text;                   // the first 59 characters of the data line, UTF-8
};

struct MaterialTable : MaterialFacts {
  std::string DataFile;  // path of the file last picked ("as/Name.as" from the working folder); ""
                         // until a pick
  std::string LoadedFile;     // the path the last load read; "" until a load
  std::string MaterialTitle;  // line 2 of the file read by the last load, UTF-8
  std::array<TableRow, RowCount> rows{};

  // Rows are numbered from 1, columns as in StopPowerColumn and RangeColumn.
  double Energy(int r) const { return row(r).energy; }
  double StopPower(int r, int c) const {
    assert(c >= 1 && c <= 3);
    return row(r).stopPower[c - 1];
  }
  double RangeData(int r, int c) const {
    assert(c >= 1 && c <= 2);
    return row(r).range[c - 1];
  }
  const std::string& RowText(int r) const { return row(r).text; }

  // Whether a load has filled the rows: a loaded table's energies are all above zero.
  bool IsLoaded() const { return rows[0].energy > 0; }

  // The list item of row r: one blank, then the row text.
  std::string ListItem(int r) const { return " " + RowText(r); }

 private:
  const TableRow& row(int r) const {
    assert(r >= 1 && r <= RowCount);
    return rows[static_cast<std::size_t>(r - 1)];
  }
};

// The one table the windows share. Only a successful load replaces its rows and title;
// only a file pick (and start-up) writes DataFile.
MaterialTable& SharedMaterialTable();

}  // namespace alphastop
