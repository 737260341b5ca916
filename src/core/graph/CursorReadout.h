#pragma once
#include "core/data/MaterialTable.h"

namespace alphastop {

// The part of the plot where the pointer reads out a row: 0 <= X < 13.8155 and
// 0 <= Y <= 18.4, bounds held as floats and compared with the pointer's float position.
bool IsInCursorArea(float x, float y);

// Row (1..122) whose x position ln E + 6.909 lies nearest to x; a tie takes the higher
// energy. Left of row 1 it is row 1; the search never goes past row 122.
int NearestRow(const MaterialTable& table, float x);

}  // namespace alphastop
