#include "ui/range/RangeWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

#include "core/data/MaterialTable.h"
#include "core/catalog/MaterialLoader.h"
#include "core/range/Stack.h"
#include "core/range/RangeInterpolation.h"
#include "core/report/RangeReports.h"
#include "core/text/NumberFormat.h"
#include "core/units/QuantityText.h"
#include "ui/common/Controls.h"
#include "ui/common/DataFolders.h"
#include "ui/common/Palette.h"
#include "ui/common/SingleWindow.h"
#include "ui/range/LayerStackEditor.h"

namespace alphastop::ui {
namespace {

QString Number(double value) { return FromUtf8(FormatReadout(value)); }

// A label of fixed size for one readout, so that a new number repaints the label alone
// instead of laying the window out again.
QLabel* ResultLabel(const QString& name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  const QFontMetrics metrics(label->font());
  label->setFixedSize(metrics.horizontalAdvance("-0.000E-000  ") + 8, metrics.height() + 4);
  return label;
}

// Changes a label only where its text changes: an unchanged label then costs nothing, and a
// message label that stays empty never lays the window out again.
void SetText(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

// The value of a check, or nullopt with its refusal in message.
template <typename T>
std::optional<T> Accepted(const Checked<T>& checked, QString& message) {
  if (const auto* no = std::get_if<Refusal>(&checked)) {
    message = FromUtf8(no->message);
    return std::nullopt;
  }
  return std::get<T>(checked);
}

// The energy typed above, or nullopt with the reason in message (nothing where it is empty).
std::optional<double> TypedEnergy(const QLineEdit* box, QString& message) {
  if (box->text().trimmed().isEmpty()) return std::nullopt;
  return Accepted(ParseEnergy(box->text().toStdString()), message);
}

// The CSDA range typed, in g/cm2 of the table's material, or nullopt with the reason in
// message (nothing where it is empty).
std::optional<double> TypedRange(const QLineEdit* box, const MaterialTable& table,
                                 QString& message) {
  if (box->text().trimmed().isEmpty()) return std::nullopt;
  return Accepted(ParseArealDensity(box->text().toStdString(), table.density, Distance::Range),
                  message);
}

// A report as one block of tab-separated lines, after a blank line.
std::string TsvBlock(const Report& report) {
  std::string block(1, '\n');
  block += WriteReport(report, ReportFormat::Tsv);
  return block;
}

}  // namespace

RangeWindow& RangeWindow::Instance() { return SingleWindow<RangeWindow>::Instance(); }
bool RangeWindow::Exists() { return SingleWindow<RangeWindow>::Exists(); }

void RangeWindow::Open() { SingleWindow<RangeWindow>::Open(); }

RangeWindow::RangeWindow() : QWidget(nullptr) {
  setObjectName("RangeWindow");
  setWindowTitle(tr("Range and energy loss"));
  // Latin text and digits need no shaping; skipping it halves the cost of a repaint as the
  // user types.
  QFont plain = font();
  plain.setStyleStrategy(QFont::PreferNoShaping);
  setFont(plain);
  material_ = new QLabel;
  material_->setObjectName("RangeMaterial");
  material_->setWordWrap(true);
  QFont bold = material_->font();
  bold.setBold(true);
  material_->setFont(bold);

  auto* copy = new QPushButton(tr("&Copy"));
  copy->setObjectName("CopyResults");
  copy->setToolTip(
      tr("Puts the results on the clipboard as tab-separated text, for a spreadsheet"));
  connect(copy, &QPushButton::clicked, this, &RangeWindow::CopyClicked);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  buttons->addButton(copy, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(material_);
  layout->addWidget(BuildEnergySection());
  layout->addWidget(BuildRangeSection());
  layout->addWidget(BuildLayerSection(), 1);
  layout->addWidget(buttons);
  resize(900, 620);
  ShowLoadedMaterial();
}

QWidget* RangeWindow::BuildEnergySection() {
  auto* box = new QGroupBox(tr("Range at an energy"));
  energyBox_ = new QLineEdit;
  energyBox_->setObjectName("EnergyBox");
  energyBox_->setPlaceholderText(tr("e.g. 5.5 or 800keV"));
  energyMessage_ = MakeMessageLabel("EnergyMessage");
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(tr("&Energy (MeV unless given):")), 0, 0);
  grid->addWidget(energyBox_, 0, 1, 1, 3);
  qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->setBuddy(energyBox_);
  grid->addWidget(energyMessage_, 1, 0, 1, 4);
  const QString units[] = {QString::fromUtf8("g/cm\u00b2"), QString::fromUtf8("mg/cm\u00b2"),
                           tr("length")};
  for (int u = 0; u < 3; ++u) grid->addWidget(new QLabel(units[u]), 2, u + 1, Qt::AlignLeft);
  grid->addWidget(new QLabel(tr("CSDA range")), 3, 0);
  grid->addWidget(new QLabel(tr("Projected range")), 4, 0);
  const char* unitNames[] = {"GramsPerCm2", "MilligramsPerCm2", "Micrometres"};
  for (int u = 0; u < 3; ++u) {
    csda_[static_cast<std::size_t>(u)] = ResultLabel(QString("Csda") + unitNames[u]);
    projected_[static_cast<std::size_t>(u)] = ResultLabel(QString("Projected") + unitNames[u]);
    grid->addWidget(csda_[static_cast<std::size_t>(u)], 3, u + 1);
    grid->addWidget(projected_[static_cast<std::size_t>(u)], 4, u + 1);
  }
  csdaUncertainty_ = ResultLabel("CsdaUncertainty");
  csdaUncertainty_->setToolTip(
      tr("How far the CSDA range may lie from ICRU Report 49's tables, as the table states it"));
  grid->addWidget(csdaUncertainty_, 3, 4);
  connect(energyBox_, &QLineEdit::textChanged, this, &RangeWindow::EnergyEdited);
  return box;
}

QWidget* RangeWindow::BuildRangeSection() {
  auto* box = new QGroupBox(tr("Energy at a range"));
  rangeBox_ = new QLineEdit;
  rangeBox_->setObjectName("RangeBox");
  rangeBox_->setPlaceholderText(tr("e.g. 30um or 2mg/cm2"));
  rangeMessage_ = MakeMessageLabel("RangeMessage");
  rangeEnergy_ = ResultLabel("RangeEnergy");
  auto* form = new QFormLayout(box);
  form->addRow(tr("CSDA &range (%1 unless given):").arg(QString::fromUtf8(BareDistanceUnit)),
               rangeBox_);
  form->addRow(QString(), rangeMessage_);
  form->addRow(tr("Energy (MeV):"), rangeEnergy_);
  connect(rangeBox_, &QLineEdit::textChanged, this, &RangeWindow::RangeEdited);
  return box;
}

QWidget* RangeWindow::BuildLayerSection() {
  auto* box = new QGroupBox(tr("Through layers, entering at the energy above"));
  layers_ = new LayerStackEditor;
  layers_->setObjectName("LayerStack");
  layersMessage_ = MakeMessageLabel("LayersMessage");
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(layers_);
  layout->addWidget(layersMessage_);
  connect(layers_, &LayerStackEditor::Changed, this, &RangeWindow::LayersChanged);
  return box;
}

void RangeWindow::ShowLoadedMaterial() {
  const MaterialTable& table = SharedMaterialTable();
  if (!table.IsLoaded()) {
    material_->setText(tr("No material loaded: pick one in the main window and press OK."));
  } else {
    const QString density = table.density
                                ? tr("density %1 g/cm\u00b3").arg(Number(*table.density))
                                : tr("no density in its table: give thicknesses in g/cm\u00b2");
    material_->setText(FromUtf8(table.MaterialTitle) + QString::fromUtf8(" \u2014 ") + density);
  }
  ReadCatalog();
  RangeEdited();
}

void RangeWindow::ReadCatalog() {
  MaterialCatalog catalog = CatalogOf(FindWindowDataFolder());
  layers_->SetMaterials(catalog.entries,
                        std::filesystem::path(SharedMaterialTable().LoadedFile).stem().string());
  materials_.SetCatalog(std::move(catalog));
  EnergyEdited();
}

void RangeWindow::changeEvent(QEvent* event) {
  // Tables may have come or gone while another window was in front.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) ReadCatalog();
  QWidget::changeEvent(event);
}

void RangeWindow::EnergyEdited() {
  QString message, uncertainty;
  std::array<QString, 3> csda, projected;
  const MaterialTable& table = SharedMaterialTable();
  const std::optional<double> energy = TypedEnergy(energyBox_, message);
  if (energy && table.IsLoaded()) {
    if (const auto ranges = Accepted(RangeAtEnergy(table, *energy), message)) {
      const auto texts = [&](double range) {
        return std::array<QString, 3>{
            Number(range), Number(range * 1e3),
            table.density ? FromUtf8(FormatLength(ArealDensityToMicrometres(range, *table.density)))
                          : tr("no density")};
      };
      csda = texts(ranges->csda);
      projected = texts(ranges->projected);
      if (const auto percent = CsdaRangeUncertaintyPercent(table, *energy))
        uncertainty = QString::fromUtf8("\u00b1 ") + FromUtf8(FormatFullPrecision(*percent)) + " %";
    }
  }
  SetText(energyMessage_, message);
  SetText(csdaUncertainty_, uncertainty);
  for (std::size_t u = 0; u < 3; ++u) {
    SetText(csda_[u], csda[u]);
    SetText(projected_[u], projected[u]);
  }
  LayersChanged();
}

void RangeWindow::RangeEdited() {
  QString message, energyText;
  const MaterialTable& table = SharedMaterialTable();
  if (table.IsLoaded()) {
    if (const std::optional<double> range = TypedRange(rangeBox_, table, message))
      if (const auto energy = Accepted(EnergyFromCsdaRange(table, *range), message))
        energyText = Number(*energy);
  }
  SetText(rangeMessage_, message);
  SetText(rangeEnergy_, energyText);
}

StackResult RangeWindow::WorkOutStack() {
  return EvaluateStack({.energy = energyBox_->text().toStdString(), .layers = layers_->Layers()},
                       materials_);
}

void RangeWindow::LayersChanged() {
  const StackResult stack = WorkOutStack();
  layers_->Show(stack);
  // The energy box reports its own refusal.
  StackResult layersOnly = stack;
  layersOnly.energyRefusal.reset();
  const std::optional<Refusal> refusal = layersOnly.FirstRefusal();
  SetText(layersMessage_, refusal ? FromUtf8(OneLine(*refusal)) : QString());
}

void RangeWindow::CopyClicked() {
  const MaterialTable& table = SharedMaterialTable();
  if (!table.IsLoaded()) return;
  QString ignored;
  std::string text = table.MaterialTitle + "\n";
  if (const std::optional<double> energy = TypedEnergy(energyBox_, ignored)) {
    const Checked<ReportRow> row = StoppingRow(table, *energy);
    if (const auto* values = ValueOf(row))
      text += TsvBlock({.about = {}, .columns = StoppingColumns(), .rows = {*values}});
  }
  if (const std::optional<double> range = TypedRange(rangeBox_, table, ignored)) {
    const Checked<ReportRow> row = EnergyRow(table, *range);
    if (const auto* values = ValueOf(row))
      text += TsvBlock({.about = {}, .columns = EnergyColumns(), .rows = {*values}});
  }
  if (std::vector<ReportRow> rows = LayerRows(WorkOutStack()); !rows.empty())
    text += TsvBlock({.about = {}, .columns = LayerColumns(), .rows = std::move(rows)});
  QApplication::clipboard()->setText(FromUtf8(text));
}

}  // namespace alphastop::ui
