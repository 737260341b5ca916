#include "core/range/StackFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "core/data/TextEncoding.h"
#include "core/text/NumberFormat.h"

namespace alphastop {
namespace {

using Json = nlohmann::ordered_json;

Refusal Damaged(std::string why) { return {std::move(why), RefusalKind::Unreadable}; }

// A value as the text a user would type for it; a refusal naming where it stands otherwise.
Checked<std::string> TextOf(const Json& value, const std::string& where) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number()) return FormatFullPrecision(value.get<double>());
  return Damaged(where + " is not a text or a number");
}

// Reads each key of object into the text its name gives it; an unknown key is refused.
std::optional<Refusal> ReadTexts(const Json& object, const std::string& where,
                                 std::initializer_list<std::pair<const char*, std::string*>> keys) {
  if (!object.is_object()) return Damaged(where + " is not an object {...}");
  for (const auto& item : object.items()) {
    const std::string& key = item.key();
    const auto known = std::ranges::find_if(keys, [&](const auto& k) { return key == k.first; });
    if (known == keys.end()) return Damaged(where + ": unknown key " + QuotedText(key));
    const Checked<std::string> text = TextOf(item.value(), where + ": " + QuotedText(key));
    if (const Refusal* no = Refused(text)) return *no;
    *known->second = *ValueOf(text);
  }
  return std::nullopt;
}

Checked<LayerInput> LayerOf(const Json& object, std::size_t number) {
  const std::string where = "layer " + std::to_string(number);
  LayerInput layer;
  if (auto no = ReadTexts(object, where,
                          {{"material", &layer.material},
                           {"thickness", &layer.thickness},
                           {"pressure", &layer.pressure},
                           {"temperature", &layer.temperature},
                           {"density", &layer.density}}))
    return *no;
  for (const char* key : {"material", "thickness"})
    if (!object.contains(key)) return Damaged(where + " has no \"" + key + "\"");
  return layer;
}

// nlohmann's message without its prefix: "line 3, column 5: syntax error while parsing...",
// "number overflow parsing '1e999'".
std::string ParseErrorText(const nlohmann::json::exception& error) {
  const std::string what = error.what();
  const std::size_t at = what.find(" at line ");
  if (at != std::string::npos) return what.substr(at + 4);
  const std::size_t prefix = what.find("] ");
  return prefix == std::string::npos ? what : what.substr(prefix + 2);
}

}  // namespace

std::string StackFileText(const StackInput& input) {
  Json json = Json::object();
  if (!input.energy.empty()) json["energy"] = input.energy;
  if (!input.angle.empty()) json["angle"] = input.angle;
  json["layers"] = Json::array();
  for (const LayerInput& layer : input.layers) {
    Json object = {{"material", layer.material}, {"thickness", layer.thickness}};
    for (const auto& [key, text] : {std::pair{"pressure", &layer.pressure},
                                    {"temperature", &layer.temperature},
                                    {"density", &layer.density}})
      if (!text->empty()) object[key] = *text;
    json["layers"].push_back(std::move(object));
  }
  // Invalid UTF-8 typed into a box is replaced rather than refused: the stack matters more.
  return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Checked<StackInput> ParseStackFile(std::string_view text) {
  Json json;
  try {
    json = Json::parse(text);
  } catch (const nlohmann::json::exception& error) {  // a parse error, or a number beyond a double
    return Damaged(ParseErrorText(error));
  }
  if (!json.is_object() || !json.contains("layers"))
    return Damaged("it is not a stack: an object {...} with \"layers\" [...]");
  StackInput input;
  for (const auto& [key, value] : json.items()) {
    if (key != "layers") {
      std::string* text = key == "energy" ? &input.energy : key == "angle" ? &input.angle : nullptr;
      if (!text) return Damaged("unknown key " + QuotedText(key));
      const Checked<std::string> read = TextOf(value, QuotedText(key));
      if (const Refusal* no = Refused(read)) return *no;
      *text = *ValueOf(read);
    } else if (!value.is_array()) {
      return Damaged("\"layers\" is not a list [...]");
    } else {
      for (const Json& object : value) {
        const Checked<LayerInput> layer = LayerOf(object, input.layers.size() + 1);
        if (const Refusal* no = Refused(layer)) return *no;
        input.layers.push_back(*ValueOf(layer));
      }
    }
  }
  return input;
}

Checked<StackInput> ReadStackFile(const std::string& path) {
  const auto fail = [&](std::string why) {
    if (!why.empty()) why[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(why[0])));
    return Refusal{"The file " + QuotedText(path) + " cannot be read.\n" + why + ".",
                   RefusalKind::Unreadable};
  };
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return fail("the file does not exist");
  if (!std::filesystem::is_regular_file(status)) return fail("this is not a plain file");
  std::ifstream in(path, std::ios::binary);
  if (!in) return fail("the file cannot be opened (no permission to read it?)");
  std::string bytes;
  bytes.resize(MaxStackFileBytes + 1);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return fail("the file cannot be read to its end");
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > MaxStackFileBytes)
    return fail("the file is larger than a stack file can be (1 MB)");
  const Checked<StackInput> stack = ParseStackFile(bytes);
  if (const Refusal* no = Refused(stack)) return fail(no->message);
  return stack;
}

}  // namespace alphastop
