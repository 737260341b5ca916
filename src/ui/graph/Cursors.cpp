#include "ui/graph/Cursors.h"

#include <cmath>

#include "core/lookup/CursorPlacement.h"
#include "ui/graph/Form2.h"
#include "ui/common/LineShape.h"

namespace alphastop::ui {

void MoveEnergyCursor(double energy) {
  LineShape& line = Form2::Instance().Line1();
  const float x = EnergyCursorX(energy);
  line.SetX1(x);
  line.SetX2(x);
  line.SetVisible(true);
}

void MoveStopPowerCursor(double energy, double totalStopPower) {
  LineShape& line = Form2::Instance().Line2();
  const float y = Form2::Instance().ValueCursorY(energy, totalStopPower);
  line.SetY1(y);
  line.SetY2(y);
  line.SetVisible(std::isfinite(y));
}

}  // namespace alphastop::ui
