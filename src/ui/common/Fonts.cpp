#include "ui/common/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace alphastop::ui {
namespace {

struct FaceInfo {
  const char* family;  // UTF-8
  QStringList standIns;
  QFont::StyleHint hint;
};

const FaceInfo& Info(Face face) {
  static const FaceInfo serif{
      "Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}, QFont::Serif};
  // Half-width characters of the fixed Gothic faces let a 60-column row fit the row list.
  static const FaceInfo fixedGothic{
      "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
      {"IPAGothic", "Liberation Mono", "DejaVu Sans Mono"},
      QFont::Monospace};
  static const FaceInfo gothic{
      "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF",
      {"IPAPGothic", "Liberation Sans", "DejaVu Sans"},
      QFont::SansSerif};
  static const FaceInfo sans{"\xE3\x83\xA1\xE3\x82\xA4\xE3\x83\xAA\xE3\x82\xAA",
                             {"IPAPGothic", "Liberation Sans", "DejaVu Sans"},
                             QFont::SansSerif};
  switch (face) {
    case Face::Serif:
      return serif;
    case Face::FixedGothic:
      return fixedGothic;
    case Face::Gothic:
      return gothic;
    case Face::Sans:
      return sans;
  }
  return serif;
}

// The design face where it is installed, else the first of its stand-ins that is. A font
// asked for by a family the database lacks first costs a fallback search, which sorts all
// installed fonts once for every face: an eighth of the main window's start-up.
QString ChooseFamily(const FaceInfo& info, const QStringList& installed) {
  const QString design = QString::fromUtf8(info.family);
  if (installed.contains(design)) return design;
  for (const QString& standIn : info.standIns)
    if (installed.contains(standIn)) return standIn;
  // None is installed: the platform's fallback for the style hint decides.
  QFont::insertSubstitutions(design, info.standIns);
  return design;
}

const QString& InstalledFamily(Face face) {
  static const std::array<QString, 4> families = [] {
    const QStringList installed = QFontDatabase::families();
    return std::array<QString, 4>{ChooseFamily(Info(Face::Serif), installed),
                                  ChooseFamily(Info(Face::FixedGothic), installed),
                                  ChooseFamily(Info(Face::Gothic), installed),
                                  ChooseFamily(Info(Face::Sans), installed)};
  }();
  return families[static_cast<std::size_t>(face)];
}

}  // namespace

QFont DesignFont(Face face, double points) {
  const FaceInfo& info = Info(face);
  QFont font(InstalledFamily(face));
  font.setPointSizeF(points);
  font.setWeight(QFont::Normal);
  // Every text of the windows is Latin: numbers, units and names. Shaping it through
  // HarfBuzz would change no glyph, yet it costs more than the rest of a readout's repaint.
  auto strategy = QFont::PreferNoShaping;
  // MS Gothic shows the row list from its embedded bitmaps, crisp and not smoothed; its
  // stand-in is drawn the same way, which also spares blending every pixel of every glyph.
  if (face == Face::FixedGothic) strategy = QFont::StyleStrategy(strategy | QFont::NoAntialias);
  font.setStyleHint(info.hint, strategy);
  if (face == Face::FixedGothic) font.setFixedPitch(true);
  return font;
}

}  // namespace alphastop::ui
