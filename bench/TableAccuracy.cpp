// Accuracy of the generated tables against the reference tables, and the cost of generating.
// Two comparisons: each reference material generated from its own header (density, I,
// composition), and each shipped material against the reference table of its file name.
// Prints per material the largest relative difference in the bands of the accuracy goals,
// the summaries against them, and per class of material and regime the spread that the
// uncertainties of TableUncertainty.h are taken from; then runs the benchmarks.

#include "support/AccuracySummary.h"
#include "support/ReferenceTable.h"
#include "support/SharedData.h"
#include "core/materials/ShippedMaterials.h"
#include "core/physics/ElectronicStopping.h"
#include "core/physics/StoppingTable.h"
#include "core/physics/TableUncertainty.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace alphastop;
using testing::Quantity;

struct Band {
  const char* name;
  Quantity quantity;
  double low, high;  // MeV, both included
};
// The bands of the goals, then the regimes of TableUncertainty.h (a lower end a hair above a
// grid energy leaves that energy out).
constexpr double Above = 1 + 1e-6;
constexpr Band Bands[] = {
    {"Se .01-1", Quantity::Electronic, 0.01, 1.0},
    {"Se 2-10", Quantity::Electronic, 2.0, 10.0},
    {"R 1-10", Quantity::CsdaRange, 1.0, 10.0},
    {"Se <.01", Quantity::Electronic, 1e-3, 0.01},
    {"Se 1-2", Quantity::Electronic, 1.0, 2.0},
    {"Se >10", Quantity::Electronic, 10.0, 1000.0},
    {"R <1", Quantity::CsdaRange, 1e-3, 1.0},
    {"R >10", Quantity::CsdaRange, 10.0, 1000.0},
    {"Se fits", Quantity::Electronic, 1e-3, tables::JoinStartMeV},
    {"Se join", Quantity::Electronic, tables::JoinStartMeV* Above, tables::JoinEndMeV},
    {"Se Bethe", Quantity::Electronic, tables::JoinEndMeV* Above, 1000.0},
    {"R lowest", Quantity::CsdaRange, 1e-3, 0.01},
    {"R fits", Quantity::CsdaRange, 0.01 * Above, tables::JoinStartMeV},
    {"R middle", Quantity::CsdaRange, tables::JoinStartMeV* Above, 10.0},
    {"R high", Quantity::CsdaRange, 10.0 * Above, 1000.0},
    {"Rp 1-10", Quantity::ProjectedRange, 1.0, 10.0},
    {"Sn", Quantity::Nuclear, 1e-3, 1000.0},
};
constexpr int BandCount = std::size(Bands);

struct Compared {
  std::string name;
  bool isElement = false;
  std::string kind;   // low-energy class
  std::string shell;  // whose shell corrections
  double worst[BandCount] = {};
  double at[BandCount] = {};
};

constexpr const char* LowEnergyNames[] = {"element", "row off", "molecule", "aqueous", "bragg"};

// Whether every element has ICRU 49's own shell corrections.
const char* ShellsOf(const tables::ElectronicStoppingModel& model) {
  for (const auto& element : model.elements)
    if (!element.shell.block) return "estimated";
  return "tabulated";
}

Compared Compare(const testing::ReferenceTable& reference, const tables::Material& material) {
  const auto model = tables::PrepareElectronicStopping(material);
  Compared c{reference.fileName, reference.fileName.ends_with(".as"),
             LowEnergyNames[static_cast<int>(tables::LowEnergyClassOf(model))], ShellsOf(model)};
  const auto computed = tables::ComputeStoppingTable(material);
  for (int b = 0; b < BandCount; ++b) {
    const auto s = testing::Summarize(testing::Differences(reference, computed, Bands[b].quantity),
                                      Bands[b].low, Bands[b].high * Above);
    c.worst[b] = s.largest;
    c.at[b] = s.atEnergy;
  }
  return c;
}

int BandIndex(const char* name) {
  for (int b = 0; b < BandCount; ++b)
    if (std::string(Bands[b].name) == name) return b;
  return 0;
}

void PrintComparison(const char* title, const std::vector<Compared>& all) {
  std::printf("\n== %s: largest |difference| %% per band (%zu materials)\n", title, all.size());
  std::printf("%-44s %-9s %-9s", "material", "class", "shells");
  for (const Band& band : Bands) std::printf(" %8s", band.name);
  std::printf("\n");
  for (const Compared& c : all) {
    std::printf("%-44s %-9s %-9s", c.name.c_str(), c.kind.c_str(), c.shell.c_str());
    for (int b = 0; b < BandCount; ++b) std::printf(" %8.2f", 100 * c.worst[b]);
    std::printf("\n");
  }
  // The goals.
  const int low = BandIndex("Se .01-1"), mid = BandIndex("Se 2-10"), range = BandIndex("R 1-10");
  std::vector<double> lows;
  int within1 = 0, mid3 = 0, mid5 = 0, range2 = 0, range5 = 0;
  for (const Compared& c : all) {
    lows.push_back(c.worst[low]);
    within1 += c.worst[low] <= 0.01;
    mid3 += c.worst[mid] > 0.03;
    mid5 += c.worst[mid] > 0.05;
    range2 += c.worst[range] > 0.02;
    range5 += c.worst[range] > 0.05;
  }
  std::printf(
      "GOALS: Se 0.01-1 MeV median of worst %.3f %% (<= 0.3), %d of %zu within 1 %% (%.0f %%, >= "
      "70)\n       Se 2-10 MeV: %d above 3 %% (<= 2), %d above 5 %% (0)\n       CSDA 1-10 MeV: "
      "%d above 2 %% (<= 6), %d above 5 %% (0)\n",
      100 * testing::MedianOf(lows), within1, all.size(), 100.0 * within1 / all.size(), mid3, mid5,
      range2, range5);
  // Per group and band, over the materials' largest differences: the median, the level two in
  // three stay within (the standard uncertainty of TableUncertainty.h) and the largest.
  std::map<std::string, std::vector<const Compared*>> classes;
  for (const Compared& c : all) {
    classes["low: " + c.kind].push_back(&c);
    classes["shells: " + c.shell].push_back(&c);
    classes[c.isElement ? "ALL elements" : "ALL compounds"].push_back(&c);
  }
  std::printf("%-24s", "median / 2 in 3 / max");
  for (const Band& band : Bands) std::printf(" %17s", band.name);
  std::printf("\n");
  for (const auto& [kind, members] : classes) {
    std::printf("%-18s (%3zu)", kind.c_str(), members.size());
    for (int b = 0; b < BandCount; ++b) {
      std::vector<double> v;
      for (const Compared* c : members) v.push_back(c->worst[b]);
      std::sort(v.begin(), v.end());
      const double twoInThree = v[static_cast<std::size_t>(std::ceil(2.0 * v.size() / 3)) - 1];
      std::printf(" %5.2f/%6.3f/%5.2f", 100 * testing::MedianOf(v), 100 * twoInThree,
                  100 * v.back());
    }
    std::printf("\n");
    if (!kind.starts_with("ALL")) continue;
    std::printf("%-24s", "  worst:");
    for (int b = 0; b < BandCount; ++b) {
      const auto worst = std::max_element(members.begin(), members.end(), [&](auto* x, auto* y) {
        return x->worst[b] < y->worst[b];
      });
      std::printf(" %17.17s", (*worst)->name.c_str());
    }
    std::printf("\n");
  }
}

void PrintAccuracyReport() {
  const auto dir = testing::ReferenceDir();
  if (!dir) {
    std::printf("Reference tables not found under %s/reference: no accuracy report.\n",
                testing::SharedDir().string().c_str());
    return;
  }
  std::vector<Compared> ofHeaders, ofShipped;
  std::vector<std::string> unshipped;
  const auto shipped = tables::ShippedMaterials();
  for (const auto& path : testing::ReferenceFiles(*dir)) {
    const auto reference = testing::ReadReferenceTable(path);
    if (!reference) continue;
    ofHeaders.push_back(Compare(*reference, testing::MaterialOfReference(*reference)));
    const auto same = std::find_if(shipped.begin(), shipped.end(), [&](const auto& m) {
      return m.fileName == reference->fileName;
    });
    if (same == shipped.end())
      unshipped.push_back(reference->fileName);
    else
      ofShipped.push_back(Compare(*reference, *same));
  }
  PrintComparison("reference materials generated from their headers", ofHeaders);
  PrintComparison("shipped materials against the reference table of their file name", ofShipped);
  for (const std::string& name : unshipped) std::printf("NOT SHIPPED: %s\n", name.c_str());
}

void GenerateAllShippedMaterials(benchmark::State& state) {
  const auto materials = tables::ShippedMaterials();
  for (auto _ : state) {
    for (const auto& material : materials) {
      benchmark::DoNotOptimize(tables::ComputeStoppingTable(material));
    }
  }
  state.counters["materials"] = static_cast<double>(materials.size());
}
BENCHMARK(GenerateAllShippedMaterials)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  PrintAccuracyReport();
  std::printf("\n");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
