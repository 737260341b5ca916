#include "ui/main/Form3.h"

#include <QLabel>
#include <QPushButton>

#include "ui/common/Controls.h"
#include "ui/common/Fonts.h"
#include "ui/common/SingleWindow.h"
#include "ui/common/Twips.h"

namespace alphastop::ui {
namespace {

struct LabelDesign {
  const char* name;
  const char* text;
  TwipsBox box;
};

}  // namespace

Form3& Form3::Instance() { return SingleWindow<Form3>::Instance(); }

void Form3::Open() { SingleWindow<Form3>::Open(); }

Form3::Form3() : QWidget(nullptr) {
  setObjectName("Form3");
  setWindowTitle(tr("Reference"));
  setFixedSize(TwipsToPixels(7950), TwipsToPixels(4305));

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
  auto* close =
      MakeButton(this, "Command1", tr("Close"), {3480, 3600, 1215, 495}, font, LightYellow);
  connect(close, &QPushButton::clicked, this, &Form3::Command1Click);
}

void Form3::Command1Click() { hide(); }

}  // namespace alphastop::ui
