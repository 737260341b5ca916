#pragma once
// A drawing surface that keeps every call with its arguments, in order, so that tests can
// read back what a drawing did without a window.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/graph/DrawingSurface.h"

namespace alphastop::testing {

enum class CallKind {
  Clear, SetDrawWidth, SetPoint, Line, LineTo, Rectangle, FilledRectangle,
  SetFontSize, SetTextPosition, Print
};

struct SurfaceCall {
  CallKind kind{};
  std::vector<float> coordinates{};  // in argument order
  Rgb colour{};                    // lines and rectangles
  double size = 0;                 // draw width in pixels or font size in points
  std::string text{};              // Print
  PrintEnd end = PrintEnd::EndLine;

  friend bool operator==(const SurfaceCall&, const SurfaceCall&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const SurfaceCall& call) {
  constexpr const char* names[] = {"Clear", "SetDrawWidth", "SetPoint", "Line", "LineTo",
                                   "Rectangle", "FilledRectangle", "SetFontSize",
                                   "SetTextPosition", "Print"};
  os << names[static_cast<int>(call.kind)] << '(';
  for (float c : call.coordinates) os << c << ' ';
  if (call.size != 0) os << "size " << call.size << ' ';
  if (call.kind == CallKind::Print) {
    os << '"' << call.text << (call.end == PrintEnd::ContinueLine ? "\" ;" : "\"");
  }
  if (call.colour != Rgb{}) {
    os << "rgb " << int(call.colour.r) << ',' << int(call.colour.g) << ',' << int(call.colour.b);
  }
  return os << ')';
}

class RecordingSurface final : public DrawingSurface {
 public:
  std::vector<SurfaceCall> calls;

  void Clear() override { calls.push_back({.kind = CallKind::Clear}); }
  void SetDrawWidth(int pixels) override {
    calls.push_back({.kind = CallKind::SetDrawWidth, .size = double(pixels)});
  }
  void SetPoint(float x, float y) override {
    calls.push_back({.kind = CallKind::SetPoint, .coordinates = {x, y}});
  }
  void Line(float x1, float y1, float x2, float y2, Rgb colour) override {
    calls.push_back({.kind = CallKind::Line, .coordinates = {x1, y1, x2, y2}, .colour = colour});
  }
  void LineTo(float x, float y, Rgb colour) override {
    calls.push_back({.kind = CallKind::LineTo, .coordinates = {x, y}, .colour = colour});
  }
  void Rectangle(float x1, float y1, float x2, float y2, Rgb colour) override {
    calls.push_back(
        {.kind = CallKind::Rectangle, .coordinates = {x1, y1, x2, y2}, .colour = colour});
  }
  void FilledRectangle(float x1, float y1, float x2, float y2, Rgb colour) override {
    calls.push_back(
        {.kind = CallKind::FilledRectangle, .coordinates = {x1, y1, x2, y2}, .colour = colour});
  }
  void SetFontSize(double points) override {
    calls.push_back({.kind = CallKind::SetFontSize, .size = points});
  }
  void SetTextPosition(float x, float y) override {
    calls.push_back({.kind = CallKind::SetTextPosition, .coordinates = {x, y}});
  }
  void Print(std::string_view text, PrintEnd end) override {
    calls.push_back({.kind = CallKind::Print, .text = std::string(text), .end = end});
  }
};

}  // namespace alphastop::testing
