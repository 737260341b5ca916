#include "core/lookup/CursorPlacement.h"

#include <gtest/gtest.h>

namespace alphastop {
namespace {

TEST(CursorPlacement, UsesTheRoundedDecadeOffsets) {
  EXPECT_NEAR(EnergyCursorX(0.001), 0.0012447f, 5e-8f);
  EXPECT_NEAR(EnergyCursorX(1000), 13.816755f, 1e-6f);
  EXPECT_EQ(EnergyCursorX(1), 6.909f);
  EXPECT_EQ(StopPowerCursorY(1), 9.212f);
  EXPECT_NEAR(StopPowerCursorY(0.0001), 0.00166f, 5e-7f);
}

}  // namespace
}  // namespace alphastop
