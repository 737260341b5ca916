#include "ui/main/Form3.h"

#include <QLabel>
#include <QPushButton>

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/Palette.h"
#include "ui/common/SingleWindow.h"
#include "ui/common/Twips.h"

namespace alphastop::ui {
namespace {

struct LabelDesign {
  const char* name;
  const char* text;
  TwipsBox box;
};

constexpr int NoteHeight = 360;  // twips added below the citation for the note on the tables

}  // namespace

Form3& Form3::Instance() { return SingleWindow<Form3>::Instance(); }

void Form3::Open() { SingleWindow<Form3>::Open(); }

Form3::Form3() : QWidget(nullptr) {
  setObjectName("Form3");
  setWindowTitle(tr("Reference"));
  setFixedSize(TwipsToPixels(7950), TwipsToPixels(4305 + NoteHeight));

  const QFont font = DesignFont(Face::Serif, 15.75);
  const LabelDesign labels[] = {
      {"Label1", "Data from", {480, 240, 1275, 345}},
      {"Label3", "Stopping-Power and Range Tables for", {960, 840, 4725, 345}},
      {"Label5", "Electrons, Protons, and Helium Ions.", {1560, 1320, 4590, 345}},
      {"Label7", "M. J. Berger", {960, 1800, 6150, 345}},
      {"Label2", "NISTIR-4999", {960, 2520, 1725, 345}},
      {"Label4", "National Institute of Standards and Technology", {960, 3000, 5835, 345}},
  };
  for (const LabelDesign& design : labels) {
    QLabel* label = MakeLabel(this, design.name, QString::fromUtf8(design.text), design.box, font);
    label->adjustSize();  // one line of text, never cut
  }
  // The citation names the report the tables follow; the shipped tables themselves are the
  // program's own. The note takes one line under the citation, moving "Close" down by as much.
  QLabel* note = MakeLabel(this, "ModelNote",
                           tr("The shipped tables are computed by AlphaStop's model after the "
                              "methods of ICRU Report 49."),
                           {240, 3480, 7470, 255}, DesignFont(Face::Serif, 9.75), Qt::AlignHCenter);
  SetTextColour(note, DarkGrey);
  auto* close = MakeButton(this, "Command1", tr("Close"), {3480, 3600 + NoteHeight, 1215, 495},
                           font, LightYellow);
  connect(close, &QPushButton::clicked, this, &Form3::Command1Click);
}

void Form3::Command1Click() { hide(); }

}  // namespace alphastop::ui
