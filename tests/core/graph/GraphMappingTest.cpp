#include "core/graph/GraphMapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace alphastop {
namespace {

struct MappingCase {
  double (*map)(double);
  double value;
  double coordinate;
};

class GraphMappingTest : public ::testing::TestWithParam<MappingCase> {};

TEST_P(GraphMappingTest, PutsDecadesAtMultiplesOfLnTen) {
  EXPECT_NEAR(GetParam().map(GetParam().value), GetParam().coordinate, 5e-7);
}

INSTANTIATE_TEST_SUITE_P(EnergyAxis, GraphMappingTest, ::testing::Values(
    MappingCase{EnergyToX, 0.001, 0}, MappingCase{EnergyToX, 1, 6.907755},
    MappingCase{EnergyToX, 8, 8.987197}, MappingCase{EnergyToX, 1e4, 16.118096}));

INSTANTIATE_TEST_SUITE_P(StopPowerAxis, GraphMappingTest, ::testing::Values(
    MappingCase{StopPowerToY, 0.0001, 0}, MappingCase{StopPowerToY, 1, 9.210340},
    MappingCase{StopPowerToY, 1000, 16.118096}, MappingCase{StopPowerToY, 1e4, 18.420681}));

TEST(GraphMappingTest, ValuesWithoutLogarithmHaveNoPosition) {
  for (double value : {0.0, -1.0}) {
    EXPECT_FALSE(std::isfinite(EnergyToX(value))) << value;
    EXPECT_FALSE(std::isfinite(StopPowerToY(value))) << value;
  }
}

constexpr double AreaTwips = 9075;

struct AreaCase {
  UserPoint user;
  AreaPoint area;
};

class UserToAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(UserToAreaTest, PlacesUserPointsInTwipsFromTopLeft) {
  const AreaPoint a = UserToArea(GraphScale, AreaTwips, AreaTwips, GetParam().user);
  EXPECT_NEAR(a.x, GetParam().area.x, 0.5);
  EXPECT_NEAR(a.y, GetParam().area.y, 0.5);
}

TEST_P(UserToAreaTest, AreaToUserTakesThePointBack) {
  const UserPoint u = AreaToUser(GraphScale, AreaTwips, AreaTwips, GetParam().area);
  EXPECT_NEAR(u.x, GetParam().user.x, 1e-3);
  EXPECT_NEAR(u.y, GetParam().user.y, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(FrameAndEdges, UserToAreaTest, ::testing::Values(
    AreaCase{{0, 0}, {752, 8254}}, AreaCase{{16.1, 18.4}, {8824, 302.5}},
    AreaCase{{-1.5, 19.1}, {0, 0}}, AreaCase{{16.6, -1.9}, {AreaTwips, AreaTwips}}));

// 15 twips make a pixel at 96 dpi: the 605-pixel area puts every point at a fifteenth.
TEST(AreaMappingTest, PixelAreaAgreesWithTwips) {
  for (const UserPoint p : {UserPoint{0, 0}, UserPoint{16.1, 18.4}, UserPoint{4.7229, 8.2702}}) {
    const AreaPoint twips = UserToArea(GraphScale, AreaTwips, AreaTwips, p);
    const AreaPoint pixels = UserToArea(GraphScale, 605, 605, p);
    EXPECT_NEAR(pixels.x * 15, twips.x, 1e-9);
    EXPECT_NEAR(pixels.y * 15, twips.y, 1e-9);
  }
}

}  // namespace
}  // namespace alphastop
