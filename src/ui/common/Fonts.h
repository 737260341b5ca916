#pragma once
#include <QFont>

namespace alphastop::ui {

// The faces the layouts were designed with: Times New Roman, and the Japanese system
// faces MS Gothic (fixed pitch), MS PGothic and Meiryo. Where one is missing, a face of
// the same kind stands in (Liberation Serif has the metrics of Times New Roman; the IPA
// Gothic pair those of the MS Gothic pair).
enum class Face { Serif, FixedGothic, Gothic, Sans };

// A regular-weight font of the face at a size in points.
QFont DesignFont(Face face, double points);

}  // namespace alphastop::ui
