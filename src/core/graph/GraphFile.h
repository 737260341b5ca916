#pragma once
// What a file of the graph may be, decided alike by the window, alphastop-calc and
// alphastop-graph: its format by its name's extension, and how many pixels an image gives
// each pixel of the window.

#include <optional>
#include <string_view>

namespace alphastop {

enum class GraphFormat { Png, Svg };

// .png or .svg, letter case aside; nullopt for any other extension or none.
std::optional<GraphFormat> GraphFormatOf(std::string_view path);

inline constexpr int MaxGraphScale = 8;

// A whole number from 1 to MaxGraphScale in decimal digits; nullopt for any other text.
std::optional<int> ParseGraphScale(std::string_view text);

}  // namespace alphastop
