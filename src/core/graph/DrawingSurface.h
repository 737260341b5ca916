#pragma once
// What the graph drawing needs of a surface: a persistent picture in user coordinates
// (y grows upward), with lines, rectangles and text. The Qt window implements it; tests
// record the calls.

#include <cstdint>
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

enum class PrintEnd { ContinueLine, EndLine };

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Fills the whole surface with its background colour.
  virtual void Clear() = 0;
  // Width in device-independent pixels of every later point, line and rectangle border.
  virtual void SetDrawWidth(int pixels) = 0;
  // A dot in the foreground colour; (x, y) becomes the current position.
  virtual void SetPoint(float x, float y) = 0;
  // (x2, y2) becomes the current position.
  virtual void Line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  // From the current position to (x, y), which becomes the current position.
  virtual void LineTo(float x, float y, Rgb colour) = 0;
  // Outline, or outline and interior, of the axis-parallel rectangle with these corners.
  virtual void Rectangle(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  virtual void FilledRectangle(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  // Font size in points; the face stays the surface's own.
  virtual void SetFontSize(double points) = 0;
  // Top-left corner of the next text's cell.
  virtual void SetTextPosition(float x, float y) = 0;
  // Draws text in the foreground colour. ContinueLine leaves the text position just right
  // of the text at the same height; EndLine moves it to the left edge, one line down.
  virtual void Print(std::string_view text, PrintEnd end) = 0;
};

}  // namespace alphastop
