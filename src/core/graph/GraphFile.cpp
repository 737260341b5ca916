#include "core/graph/GraphFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <string>

namespace alphastop {

std::optional<GraphFormat> GraphFormatOf(std::string_view path) {
  std::string extension = std::filesystem::path(path).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return GraphFormat::Png;
  if (extension == ".svg") return GraphFormat::Svg;
  return std::nullopt;
}

std::optional<int> ParseGraphScale(std::string_view text) {
  int scale = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, scale);
  if (text.empty() || error != std::errc() || stop != end || scale < 1 || scale > MaxGraphScale)
    return std::nullopt;
  return scale;
}

}  // namespace alphastop
