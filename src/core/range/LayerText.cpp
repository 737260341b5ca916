#include "core/range/LayerText.h"

#include <string>

#include "core/data/TextEncoding.h"
#include "core/text/CharacterClass.h"

namespace alphastop {

Checked<LayerInput> ParseLayerText(std::string_view text) {
  const auto refuse = [&](const std::string& why) {
    return Refusal{QuotedText(text) + ": " + why};
  };
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || TrimSpace(text.substr(colon + 1)).empty())
    return refuse("a layer is MATERIAL:THICKNESS, e.g. Silicon:30um");
  LayerInput layer{.material = std::string(text.substr(0, colon))};
  std::string_view rest = text.substr(colon + 1);
  std::size_t comma = rest.find(',');
  layer.thickness = std::string(rest.substr(0, comma));
  while (comma != std::string_view::npos) {
    rest.remove_prefix(comma + 1);
    comma = rest.find(',');
    const std::string_view option = rest.substr(0, comma);
    const std::size_t equals = option.find('=');
    const std::string_view key = TrimSpace(option.substr(0, equals));
    std::string* value = key == "pressure"      ? &layer.pressure
                         : key == "temperature" ? &layer.temperature
                         : key == "density"     ? &layer.density
                                                : nullptr;
    if (equals == std::string_view::npos || !value)
      return refuse("unknown option " + QuotedText(option) +
                    " (use pressure=P, temperature=T or density=D)");
    if (!value->empty()) return refuse(std::string(key) + " is given twice");
    *value = std::string(option.substr(equals + 1));
    if (TrimSpace(*value).empty()) return refuse(std::string(key) + " is given no value");
  }
  return layer;
}

}  // namespace alphastop
