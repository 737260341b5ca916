#pragma once
#include <QIcon>
#include <QPixmap>

namespace alphastop::ui {

// The program's own picture: a helium nucleus (two protons, two neutrons) leaving a track
// that wanders as it slows down. Drawn in code so it is sharp at every pixel ratio.
QPixmap AlphaTrackPicture(int logicalSize, qreal devicePixelRatio);
QIcon AlphaTrackIcon();

}  // namespace alphastop::ui
