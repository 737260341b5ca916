#pragma once
// What the graph drawing needs of a surface: a persistent picture in user coordinates
// (y grows upward), with lines, rectangles and text. The Qt window implements it; tests
// record the calls.

#include <string_view>

#include "core/graph/GraphStyle.h"

namespace alphastop {

enum class PrintEnd { ContinueLine, EndLine };

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Fills the whole surface with its background colour.
  virtual void Clear() = 0;
  // Width in device-independent pixels of every later point, line and rectangle border.
  virtual void SetDrawWidth(int pixels) = 0;
  // The dash pattern of every later line (not of rectangles); a new surface draws solid.
  virtual void SetDash(const Dash& dash) = 0;
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
  // How far text at that size reaches to the right, in device-independent pixels (a point
  // is 4/3 of one). A surface that cannot measure estimates half an em a character.
  virtual double TextWidthPixels(std::string_view text, double points) const {
    return 0.5 * points * 4.0 / 3.0 * static_cast<double>(text.size());
  }
};

}  // namespace alphastop
