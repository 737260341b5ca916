#include "core/graph/GraphMapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace alphastop {
namespace {

TEST(GraphMapping, PutsDecadesAtMultiplesOfLnTen) {
  const struct { double (*map)(double); double value, coordinate; } cases[] = {
      {EnergyToX, 0.001, 0}, {EnergyToX, 1, 6.907755}, {EnergyToX, 8, 8.987197},
      {EnergyToX, 1e4, 16.118096}, {StopPowerToY, 0.0001, 0}, {StopPowerToY, 1, 9.210340},
      {StopPowerToY, 1000, 16.118096}, {StopPowerToY, 1e4, 18.420681}};
  for (const auto& c : cases) EXPECT_NEAR(c.map(c.value), c.coordinate, 5e-7) << c.value;
  for (double value : {0.0, -1.0}) {
    EXPECT_FALSE(std::isfinite(EnergyToX(value))) << value;
    EXPECT_FALSE(std::isfinite(StopPowerToY(value))) << value;
  }
}

TEST(GraphMapping, PlacesUserPointsInTwipsFromTopLeftAndTakesThemBack) {
  constexpr double Twips = 9075;
  const struct { UserPoint user; AreaPoint area; } cases[] = {
      {{0, 0}, {752, 8254}}, {{16.1, 18.4}, {8824, 302.5}}, {{-1.5, 19.1}, {0, 0}},
      {{16.6, -1.9}, {Twips, Twips}}};
  for (const auto& c : cases) {
    const AreaPoint a = UserToArea(GraphScale, Twips, Twips, c.user);
    EXPECT_NEAR(a.x, c.area.x, 0.5) << c.user.x;
    EXPECT_NEAR(a.y, c.area.y, 0.5) << c.user.y;
    const UserPoint u = AreaToUser(GraphScale, Twips, Twips, c.area);
    EXPECT_NEAR(u.x, c.user.x, 1e-3) << c.area.x;
    EXPECT_NEAR(u.y, c.user.y, 1e-3) << c.area.y;
  }
  // 15 twips make a pixel at 96 dpi: the 605-pixel area puts every point at a fifteenth.
  for (const UserPoint p : {UserPoint{0, 0}, UserPoint{16.1, 18.4}, UserPoint{4.7229, 8.2702}}) {
    const AreaPoint twips = UserToArea(GraphScale, Twips, Twips, p);
    const AreaPoint pixels = UserToArea(GraphScale, 605, 605, p);
    EXPECT_NEAR(pixels.x * 15, twips.x, 1e-9);
    EXPECT_NEAR(pixels.y * 15, twips.y, 1e-9);
  }
}

}  // namespace
}  // namespace alphastop
