#pragma once
#include "core/data/MaterialTable.h"

namespace alphastop {

// The part of the plot where the pointer reads out a row, in the surface's user units:
// 0 <= X < 13.8155 (about 0.000999 to 998.7 MeV at the cursor offset) and 0 <= Y <= 18.4,
// bounds held as floats and compared with the pointer's float position. NaN is outside.
bool IsInCursorArea(float x, float y);

// Row (1..122) whose x position ln E + 6.909 (user units) lies nearest to x, for a table
// whose energies ascend. A tie takes the higher energy. Left of row 1's position it is
// row 1; right of row 122's it is row 122, also for a table ending below 998.7 MeV.
int NearestRow(const MaterialTable& table, float x);

}  // namespace alphastop
