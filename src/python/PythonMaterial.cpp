#include "python/PythonMaterial.h"

#include "core/lookup/Interpolation.h"
#include "core/range/RangeChecks.h"
#include "core/range/RangeInterpolation.h"
#include "core/nuclides/Nuclides.h"
#include "core/units/QuantityText.h"
#include "python/ModuleCatalog.h"
#include "python/PythonRefusal.h"
#include "python/ValueArrays.h"

namespace alphastop::python {
namespace {

namespace py = pybind11;

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

// The table's range columns are checked once for all the values, which then need only
// their own checks: a million lookups cost as many as the stopping powers do.
NumbersOut PythonMaterial::RangesAt(const NumbersIn& energy, bool projected) const {
  const MaterialTable& table = loaded_.table;
  const std::optional<Refusal> csda = CheckCsdaColumn(table);
  const std::optional<Refusal> projection = projected ? CheckProjectedColumn(table) : std::nullopt;
  return {MapValues(energy.object, Energy(), 1, [&](double e, std::span<double> results) {
    if (auto no = CheckEnergyGiven(e)) return no;
    if (csda) return csda;
    if (auto no = CheckWithinEnergies(table, e)) return no;
    if (projection) return projection;
    const Ranges ranges = RangesAtCheckedEnergy(table, e);
    results[0] = projected ? ranges.projected : ranges.csda;
    return std::optional<Refusal>();
  })};
}

NumbersOut PythonMaterial::CsdaRange(const NumbersIn& energy) const {
  return RangesAt(energy, false);
}

NumbersOut PythonMaterial::ProjectedRange(const NumbersIn& energy) const {
  return RangesAt(energy, true);
}

NumbersOut PythonMaterial::EnergyFromRange(const NumbersIn& range) const {
  const MaterialTable& table = loaded_.table;
  const std::optional<Refusal> column = CheckCsdaColumn(table);
  return {MapValues(range.object, Range(table), 1, [&](double r, std::span<double> results) {
    if (auto no = CheckRangeGiven(r)) return no;
    if (column) return column;
    if (auto no = CheckWithinCsdaRanges(table, r)) return no;
    results[0] = EnergyAtCheckedCsdaRange(table, r);
    return std::optional<Refusal>();
  })};
}

}  // namespace alphastop::python
