// The core alone: reading a whole material table (both passes) and interpolating the
// stopping powers at a typed energy.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

#include "BenchTables.h"
#include "RowTable.h"
#include "core/data/MaterialFile.h"
#include "core/lookup/Interpolation.h"

using namespace alphastop;
using namespace alphastop::bench;

namespace {

const char* const ReadTable = "ReadMaterialTable of a whole file (both passes)";
const char* const Interpolate = "InterpolateStopPower alone";

void ReadWholeTable(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    ReadResult result = ReadMaterialTable(path);
    if (!result.table) state.SkipWithError(result.error->Message().c_str());
    benchmark::DoNotOptimize(result);
  }
}

void InterpolateAtTypedEnergies(benchmark::State& state, const MaterialTable& table) {
  // Energies spread over the table, so the bracket search runs short and long.
  const std::array<double, 8> energies{0.001, 0.0123, 0.5, 1.0, 5.0, 42.0, 250.0, 1000.0};
  std::size_t next = 0;
  for (auto _ : state) {
    auto result = InterpolateStopPower(table, energies[next]);
    benchmark::DoNotOptimize(result);
    next = (next + 1) % energies.size();
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const BenchTables tables = FindBenchTables();
  const std::string path = (tables.folder / tables.ElementPath()).string();
  ReadResult loaded = ReadMaterialTable(path);
  if (!loaded.table) {
    PrintNote(loaded.error->Message());
    return EXIT_FAILURE;
  }
  PrintNote(tables.Origin());

  WithQuartiles(benchmark::RegisterBenchmark(ReadTable, ReadWholeTable, path));
  WithQuartiles(benchmark::RegisterBenchmark(Interpolate, InterpolateAtTypedEnergies, *loaded.table));

  RowReporter reporter({});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.Failed() ? EXIT_FAILURE : EXIT_SUCCESS;
}
