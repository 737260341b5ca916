#include "core/tables/Material.h"

#include "core/tables/Elements.h"

namespace alphastop::tables {

std::string MaterialTitle(const Material& material) {
  std::string title = material.name;
  for (char& c : title) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return title;
}

double ElectronsPerMass(const Material& material) {
  double sum = 0.0;
  for (const ElementFraction& part : material.composition) {
    sum += part.weight * part.z / AtomicWeight(part.z);
  }
  return sum;
}

}  // namespace alphastop::tables
