// Arbitrary text where a material is typed out: it is refused with a message, or it is a
// material whose fractions add up to 1 and whose density and I lie in their ranges, and the
// table computed of it has energies and CSDA ranges that ascend.

#include <numeric>

#include "FuzzCheck.h"
#include "core/materials/InlineMaterial.h"
#include "core/materials/MaterialInput.h"
#include "core/materials/MaterialList.h"
#include "core/physics/ComputedTable.h"

using namespace alphastop;
using alphastop::fuzz::Require;

namespace {

void CheckTable(const MaterialTable& table) {
  for (int r = 1; r <= RowCount; ++r) {
    Require(std::isfinite(table.Energy(r)) && table.Energy(r) > 0, "energies are above zero");
    Require(std::isfinite(table.StopPower(r, Total)) && table.StopPower(r, Total) > 0,
            "stopping powers are above zero");
    Require(r == 1 || (table.Energy(r) > table.Energy(r - 1) &&
                       table.RangeData(r, CsdaRange) > table.RangeData(r - 1, CsdaRange)),
            "energies and CSDA ranges ascend");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 512) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  // The same text as a composition of each form, and as a whole material written out.
  for (const auto form : {tables::CompositionForm::Formula, tables::CompositionForm::Weights,
                          tables::CompositionForm::Atoms}) {
    const auto composition = tables::ParseComposition(text, form);
    fuzz::RequireRefusalSays(composition, text);
    if (const auto* parts = ValueOf(composition)) {
      const double sum = std::accumulate(parts->begin(), parts->end(), 0.0,
                                         [](double s, const auto& p) { return s + p.weight; });
      Require(std::fabs(sum - 1) < 1e-9, "fractions add up to 1", text);
    }
  }
  const std::string written = tables::IsInlineMaterial(text) ? text : "formula=" + text;
  const Checked<tables::MaterialInput> input = tables::ParseInlineMaterial(written);
  fuzz::RequireRefusalSays(input, text);
  if (!ValueOf(input)) return 0;
  const tables::CheckedMaterial checked = tables::ParseMaterialInput(*ValueOf(input));
  Require(checked.material.has_value() == checked.faults.empty(),
          "a material comes exactly where no field is faulty", text);
  for (const auto& fault : checked.faults)
    Require(!fault.message.empty(), "a fault says why", text);
  if (!checked.material) return 0;
  const tables::Material& material = *checked.material;
  Require(tables::UsableDensity(material.density) &&
              tables::UsableMeanExcitationEnergy(material.meanExcitationEnergy),
          "density and I lie in their ranges", text);
  CheckTable(tables::TableOfMaterial(material));
  return 0;
}
