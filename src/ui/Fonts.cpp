#include "ui/Fonts.h"

#include <QStringList>

namespace alphastop::ui {
namespace {

struct FaceInfo {
  const char* family;  // UTF-8
  QStringList standIns;
  QFont::StyleHint hint;
};

const FaceInfo& Info(Face face) {
  static const FaceInfo serif{"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}, QFont::Serif};
  // Half-width characters of the fixed Gothic faces let a 60-column row fit the row list.
  static const FaceInfo fixedGothic{"\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
                                    {"IPAGothic", "Liberation Mono", "DejaVu Sans Mono"}, QFont::Monospace};
  static const FaceInfo gothic{"\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
                               {"IPAPGothic", "Liberation Sans", "DejaVu Sans"}, QFont::SansSerif};
  static const FaceInfo sans{"\xE3\x83\xA1\xE3\x82\xA4\xE3\x83\xAA\xE3\x82\xAA",
                             {"IPAPGothic", "Liberation Sans", "DejaVu Sans"}, QFont::SansSerif};
  switch (face) {
    case Face::Serif: return serif;
    case Face::FixedGothic: return fixedGothic;
    case Face::Gothic: return gothic;
    case Face::Sans: return sans;
  }
  return serif;
}

void InstallStandIns() {
  static const bool installed = [] {
    for (Face face : {Face::Serif, Face::FixedGothic, Face::Gothic, Face::Sans}) {
      const FaceInfo& info = Info(face);
      QFont::insertSubstitutions(QString::fromUtf8(info.family), info.standIns);
    }
    return true;
  }();
  (void)installed;
}

}  // namespace

QFont DesignFont(Face face, double points) {
  InstallStandIns();
  const FaceInfo& info = Info(face);
  QFont font(QString::fromUtf8(info.family));
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  // Every text of the windows is Latin: numbers, units and names. Shaping it through
  // HarfBuzz changes no glyph but was the largest cost of each readout and list repaint.
  font.setStyleHint(info.hint, QFont::PreferNoShaping);
  if (face == Face::FixedGothic) font.setFixedPitch(true);
  return font;
}

}  // namespace alphastop::ui
