#include "core/graph/PlotDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/graph/AxisTicks.h"

namespace alphastop {
namespace {

constexpr double TickGapPixels = 4;    // between the frame and its tick labels
constexpr double MarkPixels = 3;       // half the side of the marked point's square
constexpr double SamplePixels = 26;    // the line before a legend entry's label
constexpr double SampleGapPixels = 6;  // between that line and the label
constexpr Dash MarkDash{{4, 4}, 2};
constexpr double SimplifyPixels = 0.25;
constexpr const char* Ellipsis = "\u2026";

struct UserPoint {
  double x = 0, y = 0;
  friend bool operator==(const UserPoint&, const UserPoint&) = default;
};

// AxisToUser with the logarithms of the axis's ends taken once, for the many points drawn.
class AxisMap {
 public:
  AxisMap(const PlotAxis& axis, double lowUser, double highUser)
      : log_(axis.scale == AxisScale::Log),
        low_(Position(axis.low)),
        lowUser_(lowUser),
        scale_((highUser - lowUser) / (Position(axis.high) - low_)) {}
  double operator()(double value) const { return lowUser_ + (Position(value) - low_) * scale_; }

 private:
  double Position(double value) const {
    if (!log_) return value;
    return value > 0 ? std::log(value) : std::numeric_limits<double>::quiet_NaN();
  }
  bool log_;
  double low_, lowUser_, scale_;
};

class PlotPainter {
 public:
  PlotPainter(DrawingSurface& surface, const Plot& plot, const PlotLayout& layout, GraphStyle style)
      : surface_(surface),
        plot_(plot),
        layout_(layout),
        frame_(layout.frame),
        x_(plot.x, frame_.left, frame_.right),
        y_(plot.y, frame_.bottom, frame_.top),
        style_(style),
        colours_(ColoursOf(style)) {}

  void Draw() {
    surface_.SetDrawWidth(1);
    DrawGrid();
    DrawMarks();
    surface_.SetDrawWidth(2);
    for (const PlotCurve& curve : plot_.curves) DrawCurve(curve);
    SetDash(SolidLine);
    DrawMarkedPoint();
    surface_.Rectangle(F(frame_.left), F(frame_.bottom), F(frame_.right), F(frame_.top),
                       colours_.frame);
    if (layout_.xTickLabels) DrawXLabels();
    DrawYLabels();
    DrawTitles();
    if (layout_.legend) DrawLegend(*layout_.legend);
  }

 private:
  static float F(double v) { return static_cast<float>(v); }
  double X(double value) const { return x_(value); }
  double Y(double value) const { return y_(value); }
  double PxX(double pixels) const { return pixels * layout_.unitsPerPixelX; }
  double PxY(double pixels) const { return pixels * layout_.unitsPerPixelY; }

  void SetDash(const Dash& dash) {
    if (dash == dash_) return;
    surface_.SetDash(dash);
    dash_ = dash;
  }

  void DrawGrid() {
    for (const AxisTick& tick : TicksOf(plot_.x)) {
      const auto x = F(X(tick.value));
      surface_.Line(x, F(frame_.bottom), x, F(frame_.top), colours_.grid);
    }
    for (const AxisTick& tick : TicksOf(plot_.y)) {
      const auto y = F(Y(tick.value));
      surface_.Line(F(frame_.left), y, F(frame_.right), y, colours_.grid);
    }
  }

  void DrawMarks() {
    SetDash(MarkDash);
    for (double value : plot_.xMarks) {
      const double x = X(value);
      if (!(x >= frame_.left && x <= frame_.right)) continue;
      surface_.Line(F(x), F(frame_.bottom), F(x), F(frame_.top), colours_.frame);
    }
    SetDash(SolidLine);
  }

  // The part of a segment inside the frame (Liang and Barsky's clipping), if any.
  bool Clip(UserPoint& a, UserPoint& b) const {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - frame_.left, frame_.right - a.x, a.y - frame_.bottom,
                        frame_.top - a.y};
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0) {
        if (q[i] < 0) return false;
        continue;
      }
      const double t = q[i] / p[i];
      if (p[i] < 0)
        t0 = std::max(t0, t);
      else
        t1 = std::min(t1, t);
      if (t0 > t1) return false;
    }
    const UserPoint start = a;
    if (t0 > 0) a = {start.x + t0 * dx, start.y + t0 * dy};
    if (t1 < 1) b = {start.x + t1 * dx, start.y + t1 * dy};
    return true;
  }

  // Segment by segment, cut off at the frame; a run of segments that join is drawn as one
  // line from its first point on. A point without position ends a run.
  void DrawCurve(const PlotCurve& curve) {
    const CurvePen pen = CurvePenOf(style_, curve.pen);
    SetDash(pen.dash);
    std::vector<UserPoint> run;
    for (const DataPoint& point : curve.points) {
      const UserPoint here{X(point.x), Y(point.y)};
      if (std::isfinite(here.x) && std::isfinite(here.y)) {
        run.push_back(here);
        continue;
      }
      DrawRun(run, pen.colour);
      run.clear();
    }
    DrawRun(run, pen.colour);
  }

  void DrawRun(const std::vector<UserPoint>& points, Rgb colour) {
    const std::vector<UserPoint> run = Simplified(points);
    bool joined = false;
    UserPoint drawnTo;
    for (std::size_t i = 1; i < run.size(); ++i) {
      UserPoint a = run[i - 1], b = run[i];
      if (!Clip(a, b)) {
        joined = false;
        continue;
      }
      if (joined && a == drawnTo)
        surface_.LineTo(F(b.x), F(b.y), colour);
      else
        surface_.Line(F(a.x), F(a.y), F(b.x), F(b.y), colour);
      drawnTo = b;
      joined = b == run[i];
    }
  }

  // The points without those that lie within a quarter of a pixel of the line through their
  // neighbours kept (Ramer, Douglas and Peucker): the same line drawn, with far fewer joins
  // for the stroker to work out where a curve of many points runs nearly straight.
  std::vector<UserPoint> Simplified(const std::vector<UserPoint>& points) const {
    if (points.size() < 3) return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, points.size() - 1}};
    while (!spans.empty()) {
      const auto [first, last] = spans.back();
      spans.pop_back();
      const double ax = points[first].x / layout_.unitsPerPixelX;
      const double ay = points[first].y / layout_.unitsPerPixelY;
      const double dx = points[last].x / layout_.unitsPerPixelX - ax;
      const double dy = points[last].y / layout_.unitsPerPixelY - ay;
      const double length = std::hypot(dx, dy);
      double farthest = 0;
      std::size_t at = first;
      for (std::size_t i = first + 1; i < last; ++i) {
        const double px = points[i].x / layout_.unitsPerPixelX - ax;
        const double py = points[i].y / layout_.unitsPerPixelY - ay;
        const double distance =
            length > 0 ? std::abs(px * dy - py * dx) / length : std::hypot(px, py);
        if (distance > farthest) {
          farthest = distance;
          at = i;
        }
      }
      if (farthest <= SimplifyPixels) continue;
      keep[at] = true;
      spans.push_back({first, at});
      spans.push_back({at, last});
    }
    std::vector<UserPoint> kept;
    for (std::size_t i = 0; i < points.size(); ++i)
      if (keep[i]) kept.push_back(points[i]);
    return kept;
  }

  void DrawMarkedPoint() {
    if (!plot_.markedPoint) return;
    const double x = X(plot_.markedPoint->x), y = Y(plot_.markedPoint->y);
    if (!(x >= frame_.left && x <= frame_.right && y >= frame_.bottom && y <= frame_.top)) return;
    surface_.FilledRectangle(F(x - PxX(MarkPixels)), F(y - PxY(MarkPixels)), F(x + PxX(MarkPixels)),
                             F(y + PxY(MarkPixels)), colours_.frame);
  }

  double LabelWidthPixels(const AxisTick& tick) const {
    return surface_.TextWidthPixels(tick.label, layout_.tickPoints) +
           (tick.exponent.empty()
                ? 0
                : surface_.TextWidthPixels(tick.exponent, layout_.exponentPoints));
  }

  void PrintLabel(const AxisTick& tick, double left, double top) {
    surface_.SetFontSize(layout_.tickPoints);
    surface_.SetTextPosition(F(left), F(top));
    if (tick.exponent.empty()) {
      surface_.Print(tick.label, PrintEnd::EndLine);
      return;
    }
    surface_.Print(tick.label, PrintEnd::ContinueLine);
    surface_.SetFontSize(layout_.exponentPoints);
    surface_.Print(tick.exponent, PrintEnd::EndLine);
  }

  // Centred under their ticks; one that would touch the label before it is left out.
  void DrawXLabels() {
    const double top = frame_.bottom - PxY(TickGapPixels);
    double takenTo = -INFINITY;
    for (const AxisTick& tick : TicksOf(plot_.x)) {
      if (!tick.labelled) continue;
      const double width = PxX(LabelWidthPixels(tick));
      const double left = X(tick.value) - width / 2;
      if (left < takenTo) continue;
      PrintLabel(tick, left, top);
      takenTo = left + width + PxX(TickGapPixels);
    }
  }

  // Right-aligned beside the frame, centred on their ticks; upward, one that would touch
  // the label below it is left out.
  void DrawYLabels() {
    const double height = PxY(TextLinePixels(layout_.tickPoints));
    double takenTo = -INFINITY;
    for (const AxisTick& tick : TicksOf(plot_.y)) {
      if (!tick.labelled) continue;
      const double bottom = Y(tick.value) - height / 2;
      if (bottom < takenTo) continue;
      const double left = frame_.left - PxX(TickGapPixels + LabelWidthPixels(tick));
      PrintLabel(tick, left, bottom + height);
      takenTo = bottom + height;
    }
  }

  void PrintTitle(const std::string& title, double points, double left, double top) {
    surface_.SetFontSize(points);
    surface_.SetTextPosition(F(left), F(top));
    surface_.Print(title, PrintEnd::EndLine);
  }

  void DrawTitles() {
    const double tickLine = TextLinePixels(layout_.tickPoints);
    if (!plot_.x.title.empty()) {
      const double width = PxX(surface_.TextWidthPixels(plot_.x.title, layout_.titlePoints));
      PrintTitle(plot_.x.title, layout_.titlePoints, (frame_.left + frame_.right - width) / 2,
                 frame_.bottom - PxY(TickGapPixels + tickLine + 2));
    }
    if (plot_.y.title.empty()) return;
    const double points = layout_.yTitlePoints;
    if (layout_.yTitlePlace == YTitlePlace::InLeftMargin) {
      const double width = PxX(surface_.TextWidthPixels(plot_.y.title, points));
      PrintTitle(plot_.y.title, points, frame_.left - PxX(TickGapPixels) - width,
                 frame_.top - PxY(tickLine / 2 + 2));
      return;
    }
    double widestLabel = 0;
    for (const AxisTick& tick : TicksOf(plot_.y))
      if (tick.labelled) widestLabel = std::max(widestLabel, LabelWidthPixels(tick));
    PrintTitle(plot_.y.title, points, frame_.left - PxX(TickGapPixels + widestLabel),
               frame_.top + PxY(TickGapPixels + TextLinePixels(points)));
  }

  // The label cut, with an ellipsis, to what fits in widthPixels.
  std::string Fitted(const std::string& label, double widthPixels) const {
    if (surface_.TextWidthPixels(label, layout_.legendPoints) <= widthPixels) return label;
    std::string cut = label;
    while (!cut.empty()) {
      // One whole UTF-8 character goes: its continuation bytes, then its first byte.
      while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80)
        cut.pop_back();
      if (!cut.empty()) cut.pop_back();
      if (surface_.TextWidthPixels(cut + Ellipsis, layout_.legendPoints) <= widthPixels) break;
    }
    return cut + Ellipsis;
  }

  void DrawLegend(const PlotBox& box) {
    const int count = static_cast<int>(plot_.curves.size());
    if (count == 0) return;
    const int columns = count > 4 ? 2 : 1;
    const int rows = (count + columns - 1) / columns;
    const double line = TextLinePixels(layout_.legendPoints);
    const double columnWidth = (box.right - box.left) / columns;
    const double labelPixels =
        columnWidth / layout_.unitsPerPixelX - SamplePixels - 2 * SampleGapPixels;
    for (int i = 0; i < count; ++i) {
      const PlotCurve& curve = plot_.curves[static_cast<std::size_t>(i)];
      const double left = box.left + (i / rows) * columnWidth;
      const double top = box.top - PxY((i % rows) * line);
      const double middle = top - PxY(line / 2);
      const CurvePen pen = CurvePenOf(style_, curve.pen);
      SetDash(pen.dash);
      surface_.Line(F(left), F(middle), F(left + PxX(SamplePixels)), F(middle), pen.colour);
      surface_.SetFontSize(layout_.legendPoints);
      surface_.SetTextPosition(F(left + PxX(SamplePixels + SampleGapPixels)), F(top));
      surface_.Print(Fitted(curve.label, labelPixels), PrintEnd::EndLine);
    }
    SetDash(SolidLine);
  }

  DrawingSurface& surface_;
  const Plot& plot_;
  const PlotLayout& layout_;
  PlotBox frame_;
  AxisMap x_, y_;
  GraphStyle style_;
  StyleColours colours_;
  Dash dash_ = SolidLine;  // as the surface draws now: a plot starts and ends solid
};

}  // namespace

double TextLinePixels(double points) { return points * 4.0 / 3.0 * 1.2; }

void DrawPlot(DrawingSurface& surface, const Plot& plot, const PlotLayout& layout,
              GraphStyle style) {
  PlotPainter(surface, plot, layout, style).Draw();
}

}  // namespace alphastop
