#pragma once
// Window layouts are designed in twips; 15 twips make one device-independent pixel and
// Qt's high-DPI scaling takes it from there.

#include <QRect>
#include <cmath>

namespace alphastop::ui {

inline constexpr double TwipsPerPixel = 15.0;

inline int TwipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline QRect TwipsRect(double left, double top, double width, double height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

}  // namespace alphastop::ui
