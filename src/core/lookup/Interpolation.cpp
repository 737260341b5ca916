#include "core/lookup/Interpolation.h"

#include "core/lookup/LogLogLine.h"

namespace alphastop {

std::optional<StopPowers> InterpolateStopPower(const MaterialTable& table, double energy) {
  const int high = UpperBracketRow([&](int r) { return table.Energy(r); }, energy);
  if (high > RowCount) return std::nullopt;

  const auto column = [&](int c) {
    return LogLogLine(energy, table.Energy(high - 1), table.StopPower(high - 1, c),
                      table.Energy(high), table.StopPower(high, c));
  };
  return StopPowers{
      .electronic = column(Electronic),
      .nuclear = column(Nuclear),
      .total = column(Total),
  };
}

}  // namespace alphastop
