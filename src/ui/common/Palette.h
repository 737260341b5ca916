#pragma once
// The windows' colours. The graph's colours belong to its drawing (core/graph/DrawingSurface.h)
// and reach Qt through ToQColor, so the legend, the cursor lines and the picture agree.

#include <QColor>

#include "core/graph/DrawingSurface.h"

namespace alphastop::ui {

inline QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

inline const QColor LightYellow{255, 255, 192};  // button faces and framed captions
inline const QColor LightCyan{192, 255, 255};    // readout boxes
inline const QColor DarkBlue{0, 0, 192};         // headings of the main window
inline const QColor DarkGrey{64, 64, 64};        // the notice line
inline const QColor MessageColour{176, 0, 0};    // what is wrong with a typed text
inline const QColor GraphBackground = ToQColor(Navy);
inline const QColor GraphForeground = ToQColor(White);
inline const QColor CursorColour = ToQColor(Yellow);

}  // namespace alphastop::ui
