#pragma once
#include <QIcon>
#include <QPixmap>

class QPainter;

namespace alphastop::ui {

// The program's own picture: a helium nucleus (two protons, two neutrons) leaving a track
// that wanders as it slows down. Drawn in code so it is sharp at every pixel ratio; the
// installed icons (SVG and PNG) are rendered from the same drawing at build time.

// Paints the picture over the square (0, 0)-(size, size) of painter's coordinates.
void PaintAlphaTrack(QPainter& painter, qreal size);

QPixmap AlphaTrackPicture(int logicalSize, qreal devicePixelRatio);
QIcon AlphaTrackIcon();

}  // namespace alphastop::ui
