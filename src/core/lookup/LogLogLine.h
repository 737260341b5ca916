#pragma once
// Interpolation between two rows of a table on log-log axes, shared by the stopping powers
// and the ranges so that every column follows the same line through the same rows.

#include <algorithm>

#include "core/data/MaterialTable.h"

namespace alphastop {

// y at x on the straight line through (x1, y1) and (x2, y2) on log-log axes. All values
// must be positive and x1 != x2; x may lie outside [x1, x2], where the line extends. At
// x == x2 the result is y2 up to the rounding of one log and one exp.
double LogLogLine(double x, double x1, double y1, double x2, double y2);

// The upper of the two rows (numbered from 1) whose values bracket value in a column that
// ascends with the row number, as valueAt(row) gives it: the first row at or above value,
// but at least row 2, so that values at or below row 1's fall on the segment of rows 1 and
// 2. RowCount + 1 where value lies above the last row. value must not be NaN.
template <typename ValueAt>
int UpperBracketRow(const ValueAt& valueAt, double value) {
  int high = 1;
  while (high <= RowCount && valueAt(high) < value) ++high;
  return std::max(high, 2);
}

}  // namespace alphastop
