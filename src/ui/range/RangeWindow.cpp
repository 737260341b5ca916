#include "ui/range/RangeWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <filesystem>

#include "core/catalog/MaterialLoader.h"
#include "core/data/MaterialTable.h"
#include "core/range/RangeInterpolation.h"
#include "core/range/Stack.h"
#include "core/range/StackFile.h"
#include "core/report/RangeReports.h"
#include "core/report/EnergyLossReports.h"
#include "core/energyloss/EnergyLossThickness.h"
#include "core/nuclides/Nuclides.h"
#include "core/energyloss/Straggling.h"
#include "core/text/NumberFormat.h"
#include "core/units/QuantityText.h"
#include "ui/common/Controls.h"
#include "ui/common/DataFolders.h"
#include "ui/common/Messages.h"
#include "ui/common/Palette.h"
#include "ui/common/SaveFile.h"
#include "ui/common/SingleWindow.h"
#include "ui/range/DepthProfileView.h"
#include "ui/range/LayerStackEditor.h"
#include "ui/range/MaterialBox.h"

namespace alphastop::ui {
namespace {

QString Number(double value) { return FromUtf8(FormatReadout(value)); }

// A label of fixed size for one readout, so that a new number repaints the label alone
// instead of laying the window out again.
QLabel* ResultLabel(const QString& name, const QString& widest = "-0.000E-000  ") {
  auto* label = new QLabel;
  label->setObjectName(name);
  const QFontMetrics metrics(label->font());
  label->setFixedSize(metrics.horizontalAdvance(widest) + 8, metrics.height() + 4);
  return label;
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

// The energy typed in box, or nullopt with the reason in message (nothing where it is empty).
std::optional<double> TypedEnergy(const QLineEdit* box, QString& message) {
  if (box->text().trimmed().isEmpty()) return std::nullopt;
  return Accepted(ParseEnergyOrNuclide(box->text().toStdString()), message);
}

// Completes a nuclide's name in an energy box: the list shows each with its principal line,
// and a pick puts the name in the box.
void CompleteNuclides(QLineEdit* box) {
  auto* model = new QStandardItemModel(box);
  for (const Nuclide& nuclide : ShippedNuclides()) {
    auto* item = new QStandardItem(
        QString::fromStdString(nuclide.name) + QString::fromUtf8("  —  ") +
        FromUtf8(FormatFullPrecision(nuclide.PrincipalLine().energyKeV)) + " keV");
    item->setData(QString::fromStdString(nuclide.name), Qt::UserRole);
    model->appendRow(item);
  }
  auto* completer = new QCompleter(model, box);
  completer->setCompletionRole(Qt::UserRole);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  box->setCompleter(completer);
}

QLineEdit* EnergyBox(const char* name, const QString& placeholder) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  box->setPlaceholderText(placeholder);
  CompleteNuclides(box);
  return box;
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

  auto* questions = new QHBoxLayout;
  questions->addWidget(BuildEnergySection(), 3);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildRangeSection());
  right->addWidget(BuildThicknessSection());
  questions->addLayout(right, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(material_);
  layout->addLayout(questions);
  layout->addWidget(BuildLayerSection(), 1);
  layout->addWidget(buttons);
  resize(1000, 900);
  ShowLoadedMaterial();
}

QWidget* RangeWindow::BuildEnergySection() {
  auto* box = new QGroupBox(tr("Range at an energy"));
  energyBox_ = EnergyBox("EnergyBox", tr("e.g. 5.5, 800keV or Am-241"));
  energyBox_->setToolTip(
      tr("An energy (MeV unless given), or a nuclide for its principal "
         "alpha line: Am-241, Po-210..."));
  energyMessage_ = MakeMessageLabel("EnergyMessage");
  energyValue_ = ResultLabel("EnergyValue", "= 0.000E+00 MeV");
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel(tr("&Energy (MeV unless given):")), 0, 0);
  grid->addWidget(energyBox_, 0, 1, 1, 3);
  grid->addWidget(energyValue_, 0, 4);
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
  grid->setRowStretch(5, 1);  // the rows keep to the top when the group is taller
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

QWidget* RangeWindow::BuildThicknessSection() {
  auto* box = new QGroupBox(tr("Thickness from energy loss"));
  thicknessMaterial_ = MakeMaterialBox({}, {}, "ThicknessMaterial");
  thicknessIn_ = EnergyBox("ThicknessEnergyIn", tr("e.g. Am-241"));
  thicknessOut_ = EnergyBox("ThicknessEnergyOut", tr("e.g. 5.1"));
  thicknessMessage_ = MakeMessageLabel("ThicknessMessage");
  auto* results = new QHBoxLayout;
  const char* names[] = {"ThicknessGramsPerCm2", "ThicknessLength"};
  for (std::size_t u = 0; u < 2; ++u) results->addWidget(thickness_[u] = ResultLabel(names[u]));
  results->addStretch();
  auto* form = new QFormLayout(box);
  form->addRow(tr("&Material:"), thicknessMaterial_);
  form->addRow(tr("Energy i&n:"), thicknessIn_);
  form->addRow(tr("Energy ou&t:"), thicknessOut_);
  form->addRow(QString(), thicknessMessage_);
  form->addRow(tr("Thickness (g/cm², length):"), results);
  const auto resolve = [this] {
    const QString typed = thicknessMaterial_->currentText().trimmed();
    if (!typed.isEmpty())
      thicknessMaterial_->setEditText(QString::fromStdString(
          ResolvedMaterial(materials_.Catalog().entries, typed.toStdString())));
    ThicknessEdited();
  };
  connect(thicknessMaterial_, &QComboBox::activated, this, resolve);
  connect(thicknessMaterial_->lineEdit(), &QLineEdit::editingFinished, this, resolve);
  connect(thicknessIn_, &QLineEdit::textChanged, this, &RangeWindow::ThicknessEdited);
  connect(thicknessOut_, &QLineEdit::textChanged, this, &RangeWindow::ThicknessEdited);
  return box;
}

// The depth profile's plot goes below the line of the stack's total, in this group's layout.
QWidget* RangeWindow::BuildLayerSection() {
  auto* box = new QGroupBox(tr("Through layers, entering at the energy above"));
  box->setObjectName("LayerSection");
  angleBox_ = new QLineEdit;
  angleBox_->setObjectName("AngleBox");
  angleBox_->setPlaceholderText("0");
  angleBox_->setMaximumWidth(angleBox_->fontMetrics().horizontalAdvance("00.000 deg") + 16);
  angleBox_->setToolTip(
      tr("The angle between the particle's direction and the layers' normal, "
         "0 to below 90 degrees: each path is the thickness / cos(angle)"));
  auto* angleLabel = new QLabel(tr("Angle of &incidence:"));
  angleLabel->setBuddy(angleBox_);
  auto* open = new QPushButton(tr("&Open stack…"));
  open->setObjectName("OpenStack");
  open->setToolTip(tr("Reads a stack saved before: energy, angle and layers (Ctrl+O)"));
  auto* save = new QPushButton(tr("&Save stack…"));
  save->setObjectName("SaveStack");
  save->setToolTip(
      tr("Saves the energy, the angle and the layers as typed, for this window and "
         "alphastop-calc layers --stack (Ctrl+S)"));
  connect(open, &QPushButton::clicked, this, &RangeWindow::OpenStackClicked);
  connect(save, &QPushButton::clicked, this, &RangeWindow::SaveStackClicked);
  connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
          &RangeWindow::OpenStackClicked);
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
          &RangeWindow::SaveStackClicked);
  auto* top = new QHBoxLayout;
  top->addWidget(angleLabel);
  top->addWidget(angleBox_);
  top->addWidget(new QLabel(tr("degrees from the normal")));
  top->addStretch();
  top->addWidget(open);
  top->addWidget(save);

  layers_ = new LayerStackEditor;
  layers_->setObjectName("LayerStack");
  stackTotal_ = ResultLabel(
      "StackTotal", tr("Leaving the stack: 0.000E+00 MeV, straggling FWHM 0.000E+00 keV (\u03c3 "
                       "0.000E+00 keV)  "));
  layersMessage_ = MakeMessageLabel("LayersMessage");
  depthProfile_ = new DepthProfileView;
  auto* layout = new QVBoxLayout(box);
  layout->addLayout(top);
  layout->addWidget(layers_, 1);
  layout->addWidget(stackTotal_);
  layout->addWidget(layersMessage_);
  layout->addWidget(depthProfile_);
  connect(layers_, &LayerStackEditor::Changed, this, &RangeWindow::LayersChanged);
  connect(angleBox_, &QLineEdit::textChanged, this, &RangeWindow::LayersChanged);
  return box;
}

void RangeWindow::ShowLoadedMaterial() {
  const MaterialTable& table = SharedMaterialTable();
  // The thickness question starts from the material loaded, as the others ask of it.
  if (table.IsLoaded())
    thicknessMaterial_->setEditText(
        QString::fromStdString(std::filesystem::path(table.LoadedFile).stem().string()));
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
  const QString typed = thicknessMaterial_->currentText();
  const QSignalBlocker blocker(thicknessMaterial_);
  thicknessMaterial_->clear();
  for (const CatalogEntry& entry : catalog.entries)
    thicknessMaterial_->addItem(QString::fromStdString(entry.name));
  thicknessMaterial_->setEditText(typed);
  materials_.SetCatalog(std::move(catalog));
  EnergyEdited();
  ThicknessEdited();
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
  SetText(energyValue_, energy && LooksLikeNuclide(energyBox_->text().toStdString())
                            ? QString::fromUtf8("= ") + Number(*energy) + " MeV"
                            : QString());
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

// The loaded material of the thickness question and the two energies typed, or nullptr with
// the first reason in message (nothing where a box is empty).
const LoadedMaterial* RangeWindow::ThicknessQuestion(double& in, double& out, QString& message) {
  QString outMessage;
  const std::optional<double> typedIn = TypedEnergy(thicknessIn_, message);
  const std::optional<double> typedOut = TypedEnergy(thicknessOut_, outMessage);
  if (message.isEmpty()) message = outMessage;
  if (!typedIn || !typedOut) return nullptr;
  const Checked<LoadedMaterial>& loaded =
      materials_.Load(thicknessMaterial_->currentText().trimmed().toStdString());
  if (const Refusal* no = Refused(loaded)) message = FromUtf8(OneLine(*no));
  in = *typedIn;
  out = *typedOut;
  return ValueOf(loaded);
}

void RangeWindow::ThicknessEdited() {
  QString message;
  std::array<QString, 2> texts;
  double in = 0, out = 0;
  if (const LoadedMaterial* material = ThicknessQuestion(in, out, message)) {
    const MaterialTable& table = material->table;
    if (const auto thickness = Accepted(ThicknessFromEnergyLoss(table, in, out), message)) {
      texts[0] = Number(*thickness);
      texts[1] = table.density
                     ? FromUtf8(FormatLength(ArealDensityToMicrometres(*thickness, *table.density)))
                     : tr("no density");
    }
  }
  SetText(thicknessMessage_, message);
  for (std::size_t u = 0; u < 2; ++u) SetText(thickness_[u], texts[u]);
}

StackInput RangeWindow::TypedStack() const {
  return {.energy = energyBox_->text().toStdString(),
          .layers = layers_->Layers(),
          .angle = angleBox_->text().toStdString()};
}

void RangeWindow::LayersChanged() {
  const StackResult stack = EvaluateStack(TypedStack(), materials_);
  layers_->Show(stack);
  QString total;
  if (stack.Stopped()) {
    total = tr("The particle stops in the stack.");
  } else if (stack.energy && !stack.layers.empty() && !stack.FirstRefusal()) {
    total = tr("Leaving the stack: %1 MeV").arg(Number(stack.energyOut));
    if (stack.straggling)
      total +=
          tr(", straggling FWHM %1 keV (σ %2 keV)")
              .arg(Number(*stack.straggling * FwhmPerSigma * 1e3), Number(*stack.straggling * 1e3));
  }
  SetText(stackTotal_, total);
  // The energy box reports its own refusal.
  StackResult layersOnly = stack;
  layersOnly.energyRefusal.reset();
  const std::optional<Refusal> refusal = layersOnly.FirstRefusal();
  SetText(layersMessage_, refusal ? FromUtf8(OneLine(*refusal)) : QString());
  const Checked<DepthProfile> profile = StackDepthProfile(stack);
  depthProfile_->Show(ValueOf(profile) ? std::optional<DepthProfile>(*ValueOf(profile))
                                       : std::nullopt);
}

void RangeWindow::SaveStackClicked() {
  const QString path = AskSavePath(this, tr("Save stack"), "stack.json", tr("Stacks (*.json)"));
  if (path.isEmpty()) return;
  if (const QString error =
          WriteWholeFile(path, QByteArray::fromStdString(StackFileText(TypedStack())));
      !error.isEmpty())
    ShowWarning(this, error);
}

// A stack that cannot be read changes nothing on screen.
void RangeWindow::OpenStackClicked() {
  const QString path = AskOpenPath(this, tr("Open stack"), tr("Stacks (*.json);;All files (*)"));
  if (path.isEmpty()) return;
  const Checked<StackInput> read = ReadStackFile(path.toStdString());
  if (const Refusal* no = Refused(read)) {
    ShowWarning(this, FromUtf8(no->message));
    return;
  }
  const StackInput& stack = *ValueOf(read);
  {
    const QSignalBlocker energy(energyBox_), angle(angleBox_);
    energyBox_->setText(QString::fromStdString(stack.energy));
    angleBox_->setText(QString::fromStdString(stack.angle));
  }
  layers_->SetLayers(stack.layers);
  EnergyEdited();
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
  double in = 0, out = 0;
  if (const LoadedMaterial* material = ThicknessQuestion(in, out, ignored)) {
    const Checked<ReportRow> row = ThicknessRow(material->name, material->table, in, out);
    if (const auto* values = ValueOf(row))
      text += TsvBlock({.about = {}, .columns = ThicknessColumns(), .rows = {*values}});
  }
  if (std::vector<ReportRow> rows = LayerRows(EvaluateStack(TypedStack(), materials_));
      !rows.empty())
    text += TsvBlock({.about = {}, .columns = LayerColumns(), .rows = std::move(rows)});
  QApplication::clipboard()->setText(FromUtf8(text));
}

}  // namespace alphastop::ui
