#include "core/physics/ShellCorrections.h"

#include "core/materials/Elements.h"
#include "core/physics/PhysicsDataText.h"
#include "core/physics/TsvText.h"

#include <algorithm>
#include <cmath>

namespace alphastop::tables {
namespace {

// Columns: Z symbol material I_eV barkas_b T_p_MeV T_He_MeV beta2 L_p L1 X.
std::vector<ShellCorrectionBlock> ParseBlocks(std::string_view text) {
  std::vector<ShellCorrectionBlock> blocks;
  for (const TsvRow& row : TsvRows(text, "Z", 11)) {
    const int z = static_cast<int>(row.Number(0));
    if (blocks.empty() || blocks.back().material != row.Text(2))
      blocks.push_back({z, std::string(row.Text(2)), row.Number(3), {}});
    auto& points = blocks.back().points;
    points.push_back({row.Number(6), row.Number(9), row.Number(10)});
    if (points.size() > 1 && !(points.back().energy > points[points.size() - 2].energy))
      row.Fail("energy: not ascending");
  }
  return blocks;
}

const std::vector<ShellCorrectionBlock>& Blocks() {
  static const std::vector<ShellCorrectionBlock> blocks = ParseBlocks(ShellCorrectionsText());
  return blocks;
}

LocalPlasmaModel PlasmaOfElement(int z, double meanExcitationEnergy) {
  Material element;
  element.density = 1.0;  // the model does not depend on it
  element.meanExcitationEnergy = meanExcitationEnergy;
  element.composition = {{z, 1.0}};
  return MakeLocalPlasmaModel(element);
}

}  // namespace

const ShellCorrectionBlock* ShellCorrectionBlockOf(int z, bool amorphousCarbon) {
  constexpr int Carbon = 6;
  for (const ShellCorrectionBlock& block : Blocks()) {
    if (block.z != z) continue;
    if (z == Carbon && (block.material == "amorphous_carbon") != amorphousCarbon) continue;
    return &block;
  }
  return nullptr;
}

double ShellCorrection(const ShellCorrectionBlock& block, const Kinematics& k, double energyMeV) {
  const auto& points = block.points;
  const auto y = [&](std::size_t i) { return points[i].shell - points[i].barkas; };
  const auto upper = std::upper_bound(points.begin(), points.end(), energyMeV,
                                      [](double e, const auto& p) { return e < p.energy; });
  double shellMinusBarkas;
  if (upper == points.begin()) {
    shellMinusBarkas = y(0);
  } else if (upper == points.end()) {
    shellMinusBarkas = y(points.size() - 1);
  } else {
    const std::size_t i = static_cast<std::size_t>(upper - points.begin());
    const double t = std::log(energyMeV / points[i - 1].energy) /
                     std::log(points[i].energy / points[i - 1].energy);
    shellMinusBarkas = y(i - 1) + t * (y(i) - y(i - 1));
  }
  return shellMinusBarkas + BarkasTerm(k, block.z);
}

ElementShellCorrection MakeElementShellCorrection(int z, double meanExcitationEnergy,
                                                  bool amorphousCarbon) {
  ElementShellCorrection element;
  element.z = z;
  element.block = ShellCorrectionBlockOf(z, amorphousCarbon);
  if (element.block) return element;
  element.plasma = PlasmaOfElement(z, meanExcitationEnergy);
  const ShellCorrectionBlock* below = nullptr;
  const ShellCorrectionBlock* above = nullptr;
  for (int other = z - 1; other >= 1 && !below; --other)
    below = ShellCorrectionBlockOf(other, false);
  for (int other = z + 1; other <= MaxAtomicNumber && !above; ++other)
    above = ShellCorrectionBlockOf(other, false);
  if (!below || !above) return element;
  const double share = double(z - below->z) / (above->z - below->z);
  for (const auto& [block, weight] : {std::pair(below, 1.0 - share), std::pair(above, share)})
    element.anchors.push_back(
        {block, PlasmaOfElement(block->z, block->meanExcitationEnergy), weight});
  return element;
}

double ShellCorrection(const ElementShellCorrection& element, const Kinematics& k,
                       double energyMeV) {
  if (element.block) return ShellCorrection(*element.block, k, energyMeV);
  double x = LocalPlasmaShellTerm(element.plasma, k);
  for (const auto& anchor : element.anchors)
    x += anchor.weight *
         (ShellCorrection(*anchor.block, k, energyMeV) - LocalPlasmaShellTerm(anchor.plasma, k));
  return x;
}

}  // namespace alphastop::tables
