// Arbitrary bytes as a CSV or an output of SRIM's SR module (the first byte chooses): read
// as curves or as a table, either every number keeps the promises comparisons and lookups
// rely on, or a warning names the file.

#include <unistd.h>

#include <fstream>

#include "FuzzCheck.h"
#include "core/catalog/MaterialLoader.h"

namespace {

using namespace alphastop;
using alphastop::fuzz::Require;

bool Good(double v) { return std::isfinite(v) && v > 0; }

void RequireNamesFile(const Refusal& no, const std::string& path) {
  Require(no.kind == RefusalKind::Unreadable && no.message.find(path) != std::string::npos,
          "the warning names the file", no.message);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string stem = "/tmp/alphastop-fuzz-" + std::to_string(getpid());
  const std::string path = stem + (data[0] % 2 ? ".csv" : ".txt");
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data + 1), std::streamsize(size - 1));

  const Checked<TableCurves> curves = LoadCurves(path, {});
  if (const Refusal* no = Refused(curves)) RequireNamesFile(*no, path);
  if (const TableCurves* read = ValueOf(curves)) {
    const std::vector<double>& e = read->energies;
    Require(e.size() >= 2, "curves have two points at least");
    for (std::size_t i = 0; i < e.size(); ++i)
      Require(Good(e[i]) && (i == 0 || e[i] > e[i - 1]), "energies ascend above zero");
    for (const std::vector<double>& values : read->values) {
      Require(values.empty() || values.size() == e.size(), "a quantity has a value an energy");
      for (double v : values) Require(Good(v), "values are finite and above zero");
    }
  }
  const Checked<LoadedMaterial> loaded = LoadMaterial(path, {});
  if (const Refusal* no = Refused(loaded)) RequireNamesFile(*no, path);
  if (const LoadedMaterial* material = ValueOf(loaded))
    for (int r = 1; r <= RowCount; ++r) {
      const MaterialTable& t = material->table;
      Require(Good(t.Energy(r)) && (r == 1 || t.Energy(r) > t.Energy(r - 1)), "rows ascend");
      for (int c : {Electronic, Nuclear, Total}) Require(Good(t.StopPower(r, c)), "stopping");
      for (int c : {CsdaRange, ProjectedRange}) Require(Good(t.RangeData(r, c)), "ranges");
    }
  std::remove(path.c_str());
  return 0;
}
