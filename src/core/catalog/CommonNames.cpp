#include "core/catalog/CommonNames.h"

#include <algorithm>
#include <utility>

#include "core/text/CharacterClass.h"

namespace alphastop {
namespace {

// Each common name leads to words that the tables' names and titles hold, never to a file
// name, so that a table renamed is still found.
constexpr std::pair<std::string_view, std::string_view> CommonNames[] = {
    {"PET", "Mylar"},
    {"PETP", "Mylar"},
    {"Melinex", "Mylar"},
    {"PTFE", "Teflon"},
    {"PMMA", "Perspex"},
    {"Acrylic", "Perspex"},
    {"Plexiglas", "Perspex"},
    {"Plexiglass", "Perspex"},
    {"Polythene", "Polyethylene"},
    {"PE", "Polyethylene"},
    {"HDPE", "Polyethylene"},
    {"LDPE", "Polyethylene"},
    {"PP", "Polypropylene"},
    {"PS", "Polystyrene"},
    {"PVC", "Polyvinyl chloride"},
    {"PC", "Polycarbonate"},
    {"Polyimide", "Kapton"},
    {"Quartz", "Silicon dioxide"},
    {"Silica", "Silicon dioxide"},
    {"Borosilicate", "Pyrex"},
    {"Alumina", "Aluminum oxide"},
    {"Sapphire", "Aluminum oxide"},
    {"Aluminium", "Aluminum"},
    {"Caesium", "Cesium"},
    {"Sulphur", "Sulfur"},
};

char Lower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<std::string_view> CommonNameTarget(std::string_view text) {
  const std::string_view trimmed = TrimSpace(text);
  for (const auto& [name, target] : CommonNames)
    if (std::ranges::equal(name, trimmed, {}, Lower, Lower)) return target;
  return std::nullopt;
}

}  // namespace alphastop
