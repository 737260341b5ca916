#include "python/PythonMaterial.h"

#include "core/lookup/Interpolation.h"
#include "core/range/RangeChecks.h"
#include "core/range/RangeInterpolation.h"
#include "core/spectroscopy/Nuclides.h"
#include "core/units/QuantityText.h"
#include "python/ModuleCatalog.h"
#include "python/PythonRefusal.h"
#include "python/ValueArrays.h"

namespace alphastop::python {
namespace {

namespace py = pybind11;

// The result of a check into results[0], or its refusal.
std::optional<Refusal> Into(Checked<double> checked, std::span<double> results) {
  if (const Refusal* no = Refused(checked)) return *no;
  results[0] = std::get<double>(checked);
  return std::nullopt;
}

ValueParameter Energy() { return {"energy", "MeV", ParseEnergyOrNuclide}; }

// A range as the calculator's energy command reads it: a length needs the table's density,
// and a refusal of that step quotes the text.
ValueParameter Range(const MaterialTable& table) {
  return {"range", "g/cm2", [&table](std::string_view text) -> Checked<double> {
            const Checked<Thickness> thickness = ParseThickness(text, Distance::Range);
            if (const Refusal* no = Refused(thickness)) return *no;
            const Checked<double> range =
                ToArealDensity(std::get<Thickness>(thickness), table.density);
            if (const Refusal* no = Refused(range))
              return Prefixed(Quote(std::string(text)) + ": ", *no);
            return range;
          }};
}

}  // namespace

PythonMaterial::PythonMaterial(const std::string& material,
                               const std::optional<std::filesystem::path>& data)
    : loaded_(Accept(LoadMaterial(material, ModuleCatalog(data)))) {}

py::tuple PythonMaterial::Stopping(const NumbersIn& energy) const {
  const MaterialTable& table = loaded_.table;
  return MapValues(energy.object, Energy(), 3, [&table](double e, std::span<double> results) {
    if (auto no = CheckEnergyGiven(e)) return no;
    if (auto no = CheckWithinEnergies(table, e)) return no;
    const StopPowers s = *InterpolateStopPower(table, e);  // within the rows: bracketed
    results[0] = s.electronic;
    results[1] = s.nuclear;
    results[2] = s.total;
    return std::optional<Refusal>();
  });
}

NumbersOut PythonMaterial::CsdaRange(const NumbersIn& energy) const {
  const MaterialTable& table = loaded_.table;
  return {MapValues(energy.object, Energy(), 1, [&table](double e, std::span<double> results) {
    return Into(CsdaRangeAtEnergy(table, e), results);
  })};
}

NumbersOut PythonMaterial::ProjectedRange(const NumbersIn& energy) const {
  const MaterialTable& table = loaded_.table;
  return {MapValues(energy.object, Energy(), 1, [&table](double e, std::span<double> results) {
    const Checked<Ranges> ranges = RangeAtEnergy(table, e);
    if (const Refusal* no = Refused(ranges)) return std::optional<Refusal>(*no);
    results[0] = std::get<Ranges>(ranges).projected;
    return std::optional<Refusal>();
  })};
}

NumbersOut PythonMaterial::EnergyFromRange(const NumbersIn& range) const {
  const MaterialTable& table = loaded_.table;
  return {MapValues(range.object, Range(table), 1, [&table](double r, std::span<double> results) {
    return Into(EnergyFromCsdaRange(table, r), results);
  })};
}

}  // namespace alphastop::python
