#pragma once
// A drawing surface that keeps every call with its arguments, in order, so that tests can
// read back what a drawing did without a window.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/graph/DrawingSurface.h"

namespace alphastop::testing {

enum class CallKind { Clear, SetDrawWidth, SetPoint, Line, LineTo, Rectangle, FilledRectangle, SetFontSize, SetTextPosition, Print };

struct SurfaceCall {
  CallKind kind{};
  std::vector<double> numbers{};  // coordinates in argument order, or the width or font size
  Rgb colour{};                   // lines and rectangles
  std::string text{};             // Print
  PrintEnd end = PrintEnd::EndLine;

  friend bool operator==(const SurfaceCall&, const SurfaceCall&) = default;
  friend std::ostream& operator<<(std::ostream& os, const SurfaceCall& call) {
    os << "call " << int(call.kind) << " (";
    for (double n : call.numbers) os << n << ' ';
    return os << '"' << call.text << "\" rgb " << int(call.colour.r) << ',' << int(call.colour.g) << ',' << int(call.colour.b) << ')';
  }
};

class RecordingSurface final : public DrawingSurface {
 public:
  std::vector<SurfaceCall> calls;

  void Clear() override { calls.push_back({CallKind::Clear}); }
  void SetDrawWidth(int pixels) override { calls.push_back({CallKind::SetDrawWidth, {double(pixels)}}); }
  void SetPoint(float x, float y) override { calls.push_back({CallKind::SetPoint, {x, y}}); }
  void Line(float x1, float y1, float x2, float y2, Rgb c) override { calls.push_back({CallKind::Line, {x1, y1, x2, y2}, c}); }
  void LineTo(float x, float y, Rgb c) override { calls.push_back({CallKind::LineTo, {x, y}, c}); }
  void Rectangle(float x1, float y1, float x2, float y2, Rgb c) override { calls.push_back({CallKind::Rectangle, {x1, y1, x2, y2}, c}); }
  void FilledRectangle(float x1, float y1, float x2, float y2, Rgb c) override {
    calls.push_back({CallKind::FilledRectangle, {x1, y1, x2, y2}, c});
  }
  void SetFontSize(double points) override { calls.push_back({CallKind::SetFontSize, {points}}); }
  void SetTextPosition(float x, float y) override { calls.push_back({CallKind::SetTextPosition, {x, y}}); }
  void Print(std::string_view text, PrintEnd end) override { calls.push_back({CallKind::Print, {}, {}, std::string(text), end}); }
};

}  // namespace alphastop::testing
