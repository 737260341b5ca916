#include "core/graph/CursorReadout.h"

#include <cmath>

#include "core/graph/GraphMapping.h"
#include "core/lookup/CursorPlacement.h"

namespace alphastop {
namespace {

// Just short of 1000 MeV at the cursor offset: the frame right of it reads out nothing.
constexpr float CursorAreaRight = 13.8155f;

}  // namespace

bool IsInCursorArea(float x, float y) {
  return x >= 0.0f && x < CursorAreaRight && y >= 0.0f && y <= FrameTop;
}

int NearestRow(const MaterialTable& table, float x) {
  // The coarse pass compares in single precision, as the pointer position comes; a table
  // ending below the area's right edge must not send it past the last row.
  int row = 1;
  while (row < RowCount && EnergyCursorX(table.Energy(row)) <= x) ++row;
  if (row == 1) return 1;  // left of row 1 there is no lower neighbour to weigh

  const double pointer = x;
  const double toRow = std::abs(pointer - EnergyCursorPosition(table.Energy(row)));
  const double toLower = std::abs(pointer - EnergyCursorPosition(table.Energy(row - 1)));
  return toRow > toLower ? row - 1 : row;
}

}  // namespace alphastop
