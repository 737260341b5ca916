#pragma once
// Graph coordinates. User units of the drawing surface: x = ln(1000 E) for E in MeV,
// y = ln(10^4 S) for S in MeV cm2/g; one decade is ln 10 units.

namespace alphastop {

// ln E + 3 ln 10; E > 0 (E <= 0 has no position: the result is not finite).
double EnergyToX(double energy);
// ln S + 4 ln 10; S > 0 (S <= 0 has no position: the result is not finite).
double StopPowerToY(double stopPower);

// The user scale of the drawing area: left edge x, top edge y, width and height in user
// units (a negative height makes y grow upward).
struct UserScale {
  double left = -1.5;
  double top = 19.1;
  double width = 18.1;
  double height = -21.0;
};
inline constexpr UserScale GraphScale{};

// The plot frame, in user units.
inline constexpr float FrameRight = 16.1f;
inline constexpr float FrameTop = 18.4f;

struct AreaPoint {
  double x = 0;  // from the drawing area's left edge, in the area's own unit
  double y = 0;  // from the drawing area's top edge, downward
};
struct UserPoint {
  double x = 0;
  double y = 0;
};

// Between user units and a drawing area of areaWidth x areaHeight (pixels or twips).
AreaPoint UserToArea(const UserScale& scale, double areaWidth, double areaHeight, UserPoint p);
UserPoint AreaToUser(const UserScale& scale, double areaWidth, double areaHeight, AreaPoint p);

}  // namespace alphastop
