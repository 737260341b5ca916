// The core alone: reading a whole material table (both passes), interpolating the stopping
// powers at a typed energy, and the range questions: range at an energy, energy at a range,
// energy left after a stack of layers; the whole table written out as CSV; and the table
// of a material typed in, computed by the generator.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

#include "BenchTables.h"
#include "RowTable.h"
#include "core/data/MaterialFile.h"
#include "core/lookup/Interpolation.h"
#include "core/range/LayerStack.h"
#include "core/range/RangeInterpolation.h"
#include "core/report/TableReport.h"
#include "core/physics/ComputedTable.h"
#include "core/materials/MaterialInput.h"
#include "core/physics/StoppingTable.h"

using namespace alphastop;
using namespace alphastop::bench;

namespace {

const char* const ReadTable = "ReadMaterialTable of a whole file (both passes)";
const char* const Interpolate = "InterpolateStopPower alone";
const char* const RangeAt = "RangeAtEnergy alone";
const char* const EnergyFrom = "EnergyFromCsdaRange alone";
const char* const ThreeLayers = "CrossLayers through three layers";
const char* const TableCsv = "exporting the table as CSV (122 rows, full precision)";
const char* const ComputeTable = "ComputeStoppingTable of a typed material (C10H8O4)";
const char* const HoldTable = "TableOfMaterial of a typed material (computed, rounded as its file)";

// Energies spread over the table, so the bracket search runs short and long.
constexpr std::array<double, 8> TypedEnergies{0.001, 0.0123, 0.5, 1.0, 5.0, 42.0, 250.0, 1000.0};

void ReadWholeTable(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    Checked<MaterialTable> result = ReadMaterialTable(path);
    if (const Refusal* no = Refused(result)) state.SkipWithError(no->message.c_str());
    benchmark::DoNotOptimize(result);
  }
}

void InterpolateAtTypedEnergies(benchmark::State& state, const MaterialTable& table) {
  std::size_t next = 0;
  for (auto _ : state) {
    auto result = InterpolateStopPower(table, TypedEnergies[next]);
    benchmark::DoNotOptimize(result);
    next = (next + 1) % TypedEnergies.size();
  }
}

template <typename T>
bool Refused(benchmark::State& state, const Checked<T>& result) {
  if (const auto* no = std::get_if<Refusal>(&result)) state.SkipWithError(no->message.c_str());
  return std::holds_alternative<Refusal>(result);
}

void RangesAtTypedEnergies(benchmark::State& state, const MaterialTable& table) {
  std::size_t next = 0;
  for (auto _ : state) {
    auto result = RangeAtEnergy(table, TypedEnergies[next]);
    if (Refused(state, result)) break;
    benchmark::DoNotOptimize(result);
    next = (next + 1) % TypedEnergies.size();
  }
}

void EnergiesFromRanges(benchmark::State& state, const MaterialTable& table) {
  std::array<double, TypedEnergies.size()> ranges{};
  for (std::size_t k = 0; k < ranges.size(); ++k) {
    const auto range = CsdaRangeAtEnergy(table, TypedEnergies[k]);
    if (Refused(state, range)) return;
    ranges[k] = std::get<double>(range);
  }
  std::size_t next = 0;
  for (auto _ : state) {
    auto result = EnergyFromCsdaRange(table, ranges[next]);
    benchmark::DoNotOptimize(result);
    next = (next + 1) % ranges.size();
  }
}

// An 8 MeV alpha through foils of 10, 20 and 10 µm or so, which it crosses.
void ThroughThreeLayers(benchmark::State& state, const MaterialTable& first,
                        const MaterialTable& second) {
  const Layer layers[] = {{&first, 1e-3}, {&second, 2e-3}, {&first, 1e-3}};
  for (auto _ : state) {
    auto result = CrossLayers(layers, 8.0);
    if (Refused(state, result)) break;
    benchmark::DoNotOptimize(result);
  }
}

void WriteTableCsv(benchmark::State& state, const MaterialTable& table) {
  for (auto _ : state) benchmark::DoNotOptimize(WriteReport(TableReport(table), ReportFormat::Csv));
}

void ComputeOneTable(benchmark::State& state, const tables::Material& material) {
  for (auto _ : state) benchmark::DoNotOptimize(tables::ComputeStoppingTable(material));
}

void HoldOneTable(benchmark::State& state, const tables::Material& material) {
  for (auto _ : state) benchmark::DoNotOptimize(tables::TableOfMaterial(material));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const BenchTables tables = FindBenchTables();
  const std::string path = (tables.folder / tables.ElementPath()).string();
  const Checked<MaterialTable> loadedRead = ReadMaterialTable(path);
  const Checked<MaterialTable> otherRead =
      ReadMaterialTable((tables.folder / ("as/" + tables.otherElement)).string());
  for (const Checked<MaterialTable>* read : {&loadedRead, &otherRead}) {
    if (const Refusal* no = Refused(*read)) {
      PrintNote(no->message);
      return EXIT_FAILURE;
    }
  }
  const MaterialTable* const loaded = ValueOf(loadedRead);
  const MaterialTable* const other = ValueOf(otherRead);
  PrintNote(tables.Origin());

  WithQuartiles(benchmark::RegisterBenchmark(ReadTable, ReadWholeTable, path));
  WithQuartiles(benchmark::RegisterBenchmark(Interpolate, InterpolateAtTypedEnergies, *loaded));
  WithQuartiles(benchmark::RegisterBenchmark(RangeAt, RangesAtTypedEnergies, *loaded));
  WithQuartiles(benchmark::RegisterBenchmark(EnergyFrom, EnergiesFromRanges, *loaded));
  WithQuartiles(benchmark::RegisterBenchmark(ThreeLayers, ThroughThreeLayers, *loaded, *other));
  WithQuartiles(benchmark::RegisterBenchmark(TableCsv, WriteTableCsv, *loaded));

  WithQuartiles(benchmark::RegisterBenchmark(TableCsv, WriteTableCsv, *loaded));

  const tables::CheckedMaterial typed =
      tables::ParseMaterialInput({"Mylar", "C10H8O4", "1.4", "", tables::Phase::Condensed, {}});
  WithQuartiles(benchmark::RegisterBenchmark(ComputeTable, ComputeOneTable, *typed.material));
  WithQuartiles(benchmark::RegisterBenchmark(HoldTable, HoldOneTable, *typed.material));

  RowReporter reporter({{TableCsv, {50e6, "≤ 50 ms"}},
                        {ComputeTable, {50e6, "≤ 50 ms"}},
                        {HoldTable, {50e6, "≤ 50 ms"}}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.Failed() ? EXIT_FAILURE : EXIT_SUCCESS;
}
