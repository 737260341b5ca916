#pragma once
// The colours and dash patterns of every graph, in one place: the screen's designed look
// (navy, a grey grid, white frame and text, the curves in the 16-colour palette's bright
// colours) and the print style (white paper, black frame and text, curves in colours that
// stay apart when printed and in dash patterns that stay apart in black and white).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace alphastop {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb Navy{0, 0, 128};
inline constexpr Rgb Grey{128, 128, 128};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};

enum class GraphStyle {
  Screen,  // the designed look
  Print,   // for paper and for figures: white background, black axes and text
};

// "screen" or "print"; nullopt for any other text.
std::optional<GraphStyle> GraphStyleNamed(std::string_view name);

// Lengths of the dashes and gaps of a line in turn, in units of the line's width (as a
// printer's or an SVG file's pen takes them); count 0 is a solid line.
struct Dash {
  std::array<double, 6> lengths{};
  int count = 0;
  friend bool operator==(const Dash&, const Dash&) = default;
};
inline constexpr Dash SolidLine{};

struct StyleColours {
  Rgb background;  // the whole picture, and the margins painted over the curves' ends
  Rgb grid;
  Rgb frame;  // the plot's frame, tick marks and marked lines
  Rgb text;   // every text, and the dot that starts a curve
};

StyleColours ColoursOf(GraphStyle style);

struct CurvePen {
  Rgb colour;
  Dash dash;
};

// The most curves a graph tells apart, each with a pen of its own.
inline constexpr int MaxCurves = 8;

// The pen of a graph's curve number index (0 .. MaxCurves - 1; others wrap around). On the
// screen every curve is solid and the first three are the stopping-power graph's red,
// yellow and white; in print the first is black and solid, each other dashed its own way.
CurvePen CurvePenOf(GraphStyle style, int index);

// The pen of the stopping-power graph's curve of a column (1 electronic, 2 nuclear, 3
// total): red, yellow and white on the screen, as designed; in print the total is the
// solid black line and the other two are dashed.
CurvePen StopPowerPenOf(GraphStyle style, int column);

}  // namespace alphastop
