#include "core/lookup/CursorPlacement.h"

#include <gtest/gtest.h>

namespace alphastop {
namespace {

struct CursorCase {
  float (*place)(double);
  double value;
  float coordinate;
  float tolerance;
};

class CursorPlacementTest : public ::testing::TestWithParam<CursorCase> {};

TEST_P(CursorPlacementTest, UsesTheRoundedDecadeOffsets) {
  EXPECT_NEAR(GetParam().place(GetParam().value), GetParam().coordinate, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(EnergyAndStopPower, CursorPlacementTest, ::testing::Values(
    CursorCase{EnergyCursorX, 0.001, 0.0012447f, 5e-8f},
    CursorCase{EnergyCursorX, 1000, 13.816755f, 1e-6f},
    CursorCase{EnergyCursorX, 1, 6.909f, 0},
    CursorCase{StopPowerCursorY, 1, 9.212f, 0},
    CursorCase{StopPowerCursorY, 0.0001, 0.00166f, 5e-7f}));

}  // namespace
}  // namespace alphastop
