#include "core/graph/GraphMapping.h"

#include <cmath>

namespace alphastop {

double EnergyToX(double energy) { return std::log(energy) + 3 * std::log(10.0); }

double StopPowerToY(double stopPower) { return std::log(stopPower) + 4 * std::log(10.0); }

AreaPoint UserToArea(const UserScale& scale, double areaWidth, double areaHeight, UserPoint p) {
  return {(p.x - scale.left) * areaWidth / scale.width,
          (p.y - scale.top) * areaHeight / scale.height};
}

UserPoint AreaToUser(const UserScale& scale, double areaWidth, double areaHeight, AreaPoint p) {
  return {scale.left + p.x * scale.width / areaWidth, scale.top + p.y * scale.height / areaHeight};
}

}  // namespace alphastop
