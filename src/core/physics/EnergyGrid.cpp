#include "core/physics/EnergyGrid.h"

#include <cmath>
#include <vector>

namespace alphastop::tables {

std::array<double, GridSize> StandardEnergyGrid() {
  std::vector<double> mantissas{1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0};
  std::array<double, GridSize> grid{};
  std::size_t n = 0;
  for (double m : mantissas) grid[n++] = m * 1e-3;

  // Finer steps from 10 keV on: quarters up to 3, halves from 3 to 9.5.
  std::vector<double> steps;
  for (double m = 1.0; m < 3.0; m += 0.25) steps.push_back(m);
  for (double m = 3.0; m < 10.0; m += 0.5) steps.push_back(m);
  for (int exponent = -2; exponent <= 2; ++exponent) {
    const double decade = std::pow(10.0, exponent);
    for (double m : steps) grid[n++] = m * decade;
  }
  grid[n++] = 1000.0;
  return grid;
}

}  // namespace alphastop::tables
