#pragma once
// Relative differences between a computed table and a reference table, and their summary in
// energy bands.

#include "ReferenceTable.h"
#include "core/physics/StoppingTable.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace alphastop::testing {

enum class Quantity { Electronic, Nuclear, CsdaRange, ProjectedRange };
inline constexpr Quantity AllQuantities[] = {Quantity::Electronic, Quantity::Nuclear,
                                             Quantity::CsdaRange, Quantity::ProjectedRange};

inline const char* QuantityName(Quantity q) {
  constexpr const char* names[] = {"electronic", "nuclear", "CSDA range", "projected range"};
  return names[static_cast<int>(q)];
}

struct RowDifference {
  double energy = 0.0;    // MeV
  double relative = 0.0;  // computed / reference - 1
  bool counts = true;     // false for nuclear stopping below 1 % of the total
};

// Differences of one quantity at every row.
inline std::vector<RowDifference> Differences(const ReferenceTable& reference,
                                              const tables::StoppingTable& computed, Quantity q) {
  std::vector<RowDifference> rows;
  for (std::size_t i = 0; i < reference.rows.size() && i < computed.size(); ++i) {
    const auto& ref = reference.rows[i];
    const double mine[] = {computed[i].electronic, computed[i].nuclear, computed[i].csdaRange,
                           computed[i].projectedRange};
    const double theirs[] = {ref[1], ref[2], ref[4], ref[5]};
    const int k = static_cast<int>(q);
    rows.push_back(
        {ref[0], mine[k] / theirs[k] - 1.0, q != Quantity::Nuclear || ref[2] >= 0.01 * ref[3]});
  }
  return rows;
}

inline double MedianOf(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

struct BandSummary {
  double median = 0.0;    // of |relative difference|
  double largest = 0.0;   // of |relative difference|
  double atEnergy = 0.0;  // MeV, where the largest is
  int count = 0;
};

// Summary over rows with low <= energy < high (MeV) that count.
inline BandSummary Summarize(const std::vector<RowDifference>& rows, double low, double high) {
  std::vector<double> values;
  BandSummary summary;
  for (const RowDifference& row : rows) {
    if (!row.counts || row.energy < low * (1 - 1e-9) || row.energy >= high * (1 - 1e-9)) continue;
    values.push_back(std::abs(row.relative));
    if (values.back() >= summary.largest) summary = {0.0, values.back(), row.energy};
  }
  summary.count = static_cast<int>(values.size());
  summary.median = MedianOf(std::move(values));
  return summary;
}

}  // namespace alphastop::testing
