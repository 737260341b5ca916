#include "core/graph/GraphStyle.h"

namespace alphastop {
namespace {

// Bright colours that stand out on navy: the palette's red, yellow, white, cyan, green and
// magenta, then orange and a light blue.
constexpr std::array<Rgb, MaxCurves> ScreenCurveColours{Red,
                                                        Yellow,
                                                        White,
                                                        Rgb{0, 255, 255},
                                                        Rgb{0, 255, 0},
                                                        Rgb{255, 0, 255},
                                                        Rgb{255, 165, 0},
                                                        Rgb{150, 170, 255}};

// Black, then Okabe and Ito's colours that stay apart for colour-blind readers and in
// print (yellow, too pale on paper, left out), and a dark brown.
constexpr std::array<CurvePen, MaxCurves> PrintPens{{
    {Black, SolidLine},
    {Rgb{0, 114, 178}, Dash{{6, 3}, 2}},
    {Rgb{213, 94, 0}, Dash{{1.5, 2}, 2}},
    {Rgb{0, 158, 115}, Dash{{6, 2.5, 1.5, 2.5}, 4}},
    {Rgb{204, 121, 167}, Dash{{11, 4}, 2}},
    {Rgb{230, 159, 0}, Dash{{6, 2, 1.5, 2, 1.5, 2}, 6}},
    {Rgb{86, 180, 233}, Dash{{3, 3}, 2}},
    {Rgb{120, 80, 40}, Dash{{11, 3, 3, 3}, 4}},
}};

}  // namespace

std::optional<GraphStyle> GraphStyleNamed(std::string_view name) {
  if (name == "screen") return GraphStyle::Screen;
  if (name == "print") return GraphStyle::Print;
  return std::nullopt;
}

StyleColours ColoursOf(GraphStyle style) {
  if (style == GraphStyle::Print)
    return {.background = White, .grid = Rgb{200, 200, 200}, .frame = Black, .text = Black};
  return {.background = Navy, .grid = Grey, .frame = White, .text = White};
}

CurvePen CurvePenOf(GraphStyle style, int index) {
  const auto i = static_cast<std::size_t>(((index % MaxCurves) + MaxCurves) % MaxCurves);
  if (style == GraphStyle::Print) return PrintPens[i];
  return {ScreenCurveColours[i], SolidLine};
}

CurvePen StopPowerPenOf(GraphStyle style, int column) {
  if (style == GraphStyle::Screen) return CurvePenOf(style, column - 1);
  constexpr int PrintPenOfColumn[] = {1, 2, 0};  // electronic, nuclear, total
  return CurvePenOf(style, PrintPenOfColumn[(column - 1) % 3]);
}

}  // namespace alphastop
