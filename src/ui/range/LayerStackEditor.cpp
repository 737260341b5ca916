#include "ui/range/LayerStackEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/text/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/Palette.h"
#include "ui/range/MaterialBox.h"

namespace alphastop::ui {
namespace {

enum Column {
  MaterialColumn,
  ThicknessColumn,
  DensityColumn,
  PressureColumn,
  TemperatureColumn,
  EnergyInColumn,
  EnergyOutColumn,
  EnergyLostColumn,
  FwhmColumn,
  StopsAtColumn,
  ColumnCount
};

// The result cell at (row, column), made once and then only given new text, so that a new
// result repaints its cell alone.
QTableWidgetItem& ResultItem(QTableWidget& table, int row, int column) {
  if (QTableWidgetItem* item = table.item(row, column)) return *item;
  auto* item = new QTableWidgetItem;
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  table.setItem(row, column, item);
  return *item;
}

QString Number(double value) { return FromUtf8(FormatReadout(value)); }

// Where the particle stops: a length where the layer's density is known, else g/cm2.
QString StopText(const LayerResult& layer) {
  if (!layer.stopDepth) return {};
  if (const auto micrometres = layer.StopDepthMicrometres())
    return FromUtf8(FormatLength(*micrometres));
  return Number(*layer.stopDepth) + QString::fromUtf8(" g/cm\u00b2");
}

// Sets what differs only, so that an unchanged cell is not repainted as the user types.
void SetPlaceholder(QLineEdit* box, const QString& text) {
  if (box->placeholderText() != text) box->setPlaceholderText(text);
}

}  // namespace

LayerStackEditor::LayerStackEditor(QWidget* parent) : QWidget(parent) {
  table_ = new QTableWidget(0, ColumnCount, this);
  table_->setObjectName("LayerTable");
  table_->setHorizontalHeaderLabels({tr("Material"), tr("Thickness"), tr("Density\n(g/cm\u00b3)"),
                                     tr("Pressure"), tr("Temperature"), tr("Energy in\n(MeV)"),
                                     tr("Energy out\n(MeV)"), tr("Energy lost\n(MeV)"),
                                     tr("Straggling\nFWHM (keV)"), tr("Stops at")});
  table_->horizontalHeaderItem(DensityColumn)
      ->setToolTip(tr("Any layer may be given its own density; empty, its table's (shown grey)"));
  for (int c : {PressureColumn, TemperatureColumn})
    table_->horizontalHeaderItem(c)->setToolTip(
        tr("A gas at its own pressure (Pa, kPa, hPa, mbar, bar, Torr, atm) and temperature (K, "
           "C); empty, at 1 atm and 20 \u00b0C, as its table"));
  table_->horizontalHeaderItem(FwhmColumn)
      ->setToolTip(tr("The full width at half maximum of the energy leaving the layer, every "
                      "layer before included; it needs the composition each table states"));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // Fixed widths: a message across the result cells must not widen them.
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionResizeMode(MaterialColumn, QHeaderView::Stretch);
  const QFontMetrics metrics = header->fontMetrics();
  for (int c = ThicknessColumn; c < ColumnCount; ++c) {
    int width = metrics.horizontalAdvance(
        c == StopsAtColumn ? QString::fromUtf8("0.000E+00 g/cm\u00b2") : QString("0.000E+00"));
    for (const QString& line : table_->horizontalHeaderItem(c)->text().split('\n'))
      width = std::max(width, metrics.horizontalAdvance(line));
    header->resizeSection(c, width + 16);
  }
  table_->setMinimumWidth(880);

  auto* add = new QPushButton(tr("&Add layer"), this);
  add->setObjectName("AddLayer");
  remove_ = new QPushButton(tr("&Remove"), this);
  remove_->setObjectName("RemoveLayer");
  up_ = new QPushButton(tr("Move &up"), this);
  up_->setObjectName("MoveLayerUp");
  down_ = new QPushButton(tr("Move do&wn"), this);
  down_->setObjectName("MoveLayerDown");
  connect(add, &QPushButton::clicked, this, &LayerStackEditor::AddClicked);
  connect(remove_, &QPushButton::clicked, this, &LayerStackEditor::RemoveClicked);
  connect(up_, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
  connect(down_, &QPushButton::clicked, this, [this] { MoveSelected(+1); });
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
    const int row = table_->currentRow();
    remove_->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < table_->rowCount());
  });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {add, remove_, up_, down_}) buttons->addWidget(button);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  Rebuild();
}

void LayerStackEditor::SetMaterials(std::vector<CatalogEntry> materials,
                                    const std::string& preferred) {
  materials_ = std::move(materials);
  preferred_ = preferred;
  Rebuild();
}

void LayerStackEditor::AddLayer(const std::string& material, const QString& thickness) {
  layers_.push_back({.material = material, .thickness = thickness.toStdString()});
  Rebuild();
  table_->selectRow(static_cast<int>(layers_.size()) - 1);
  emit Changed();
}

void LayerStackEditor::SetLayers(std::vector<LayerInput> layers) {
  layers_ = std::move(layers);
  Rebuild();
  emit Changed();
}

// A new layer repeats the one selected (or the last), which is what a stack of foils and
// gaps most often needs next; the first is of the material loaded, where it is offered. Its
// material is selected, so that what the user types next replaces it.
void LayerStackEditor::AddClicked() {
  if (materials_.empty()) return;
  const int row =
      table_->currentRow() >= 0 ? table_->currentRow() : static_cast<int>(layers_.size()) - 1;
  if (row >= 0) {
    layers_.push_back(layers_[static_cast<std::size_t>(row)]);
    Rebuild();
    table_->selectRow(static_cast<int>(layers_.size()) - 1);
    emit Changed();
  } else {
    AddLayer(FindMaterialNamed(materials_, preferred_).value_or(materials_.front()).name, "1um");
  }
  auto* material = qobject_cast<QComboBox*>(
      table_->cellWidget(static_cast<int>(layers_.size()) - 1, MaterialColumn));
  material->setFocus(Qt::TabFocusReason);
  material->lineEdit()->selectAll();
}

void LayerStackEditor::RemoveClicked() {
  const int row = table_->currentRow();
  if (row < 0) return;
  layers_.erase(layers_.begin() + row);
  Rebuild();
  if (!layers_.empty()) table_->selectRow(std::min(row, static_cast<int>(layers_.size()) - 1));
  emit Changed();
}

void LayerStackEditor::MoveSelected(int step) {
  const int row = table_->currentRow(), to = row + step;
  if (row < 0 || to < 0 || to >= static_cast<int>(layers_.size())) return;
  std::swap(layers_[static_cast<std::size_t>(row)], layers_[static_cast<std::size_t>(to)]);
  Rebuild();
  table_->selectRow(to);
  emit Changed();
}

// What is typed or picked becomes the best match among the names, the exact name first; a
// text that matches none stays as typed, and its layer says so.
void LayerStackEditor::MaterialTyped(int row, QComboBox* box) {
  const std::string material =
      ResolvedMaterial(materials_, box->currentText().trimmed().toStdString());
  const QSignalBlocker blocker(box);
  box->setEditText(QString::fromStdString(material));
  LayerInput& layer = layers_[static_cast<std::size_t>(row)];
  if (layer.material == material) return;
  layer.material = material;
  emit Changed();
}

// A box for one of the layer's texts, which follows each key.
QLineEdit* LayerStackEditor::TextCell(int row, int column, std::string LayerInput::*text) {
  static const char* const names[] = {"", "LayerThickness", "LayerDensity", "LayerPressure",
                                      "LayerTemperature"};
  auto* box = new QLineEdit(QString::fromStdString(layers_[static_cast<std::size_t>(row)].*text));
  box->setObjectName(QString("%1%2").arg(names[column]).arg(row + 1));
  connect(box, &QLineEdit::textEdited, this, [this, row, text](const QString& typed) {
    layers_[static_cast<std::size_t>(row)].*text = typed.toStdString();
    emit Changed();
  });
  table_->setCellWidget(row, column, box);
  return box;
}

// The rows' widgets are made anew from the settings after every change of their order.
void LayerStackEditor::Rebuild() {
  table_->setRowCount(static_cast<int>(layers_.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    QComboBox* material =
        MakeMaterialBox(materials_, layers_[static_cast<std::size_t>(row)].material,
                        QString("LayerMaterial%1").arg(row + 1));
    connect(material, &QComboBox::activated, this,
            [this, row, material] { MaterialTyped(row, material); });
    connect(material->lineEdit(), &QLineEdit::editingFinished, this,
            [this, row, material] { MaterialTyped(row, material); });
    table_->setCellWidget(row, MaterialColumn, material);
    TextCell(row, ThicknessColumn, &LayerInput::thickness)->setPlaceholderText(tr("e.g. 30um"));
    TextCell(row, DensityColumn, &LayerInput::density);
    TextCell(row, PressureColumn, &LayerInput::pressure);
    TextCell(row, TemperatureColumn, &LayerInput::temperature);
  }
  const bool any = !layers_.empty();
  remove_->setEnabled(any && table_->currentRow() >= 0);
  up_->setEnabled(any && table_->currentRow() > 0);
  down_->setEnabled(any && table_->currentRow() >= 0 &&
                    table_->currentRow() + 1 < table_->rowCount());
}

// A gas takes a pressure and a temperature, shown at its table's where none is typed; other
// layers keep those boxes greyed unless they hold text, which their message then names. The
// density box shows in grey the density the layer has.
void LayerStackEditor::ShowConditions(int row, const LayerResult& layer) {
  auto* density = qobject_cast<QLineEdit*>(table_->cellWidget(row, DensityColumn));
  SetPlaceholder(density, layer.density ? Number(*layer.density) : QString());
  const QString gasDefaults[] = {tr("1 atm"), QString::fromUtf8("20 \u00b0C")};
  for (int c : {PressureColumn, TemperatureColumn}) {
    auto* box = qobject_cast<QLineEdit*>(table_->cellWidget(row, c));
    const bool applies = layer.gas || !box->text().isEmpty();
    if (box->isEnabled() != applies) box->setEnabled(applies);
    SetPlaceholder(box, layer.gas ? gasDefaults[c - PressureColumn] : QString());
  }
}

void LayerStackEditor::Show(const StackResult& stack) {
  for (int row = 0; row < table_->rowCount(); ++row) {
    const LayerResult layer = row < static_cast<int>(stack.layers.size())
                                  ? stack.layers[static_cast<std::size_t>(row)]
                                  : LayerResult{};
    ShowConditions(row, layer);
    const QString message = layer.refusal ? FromUtf8(OneLine(*layer.refusal)) : QString();
    // A message spans the result cells; a span of one cell is no span at all.
    const int span = message.isEmpty() ? 1 : StopsAtColumn - EnergyInColumn + 1;
    if (table_->columnSpan(row, EnergyInColumn) != span)
      table_->setSpan(row, EnergyInColumn, 1, span);
    if (!message.isEmpty()) {
      QTableWidgetItem& item = ResultItem(*table_, row, EnergyInColumn);
      item.setText(message);
      item.setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      item.setForeground(MessageColour);
      item.setToolTip(message);
      continue;
    }
    const bool reached = layer.state == LayerState::Crossed || layer.state == LayerState::StoppedIn;
    const auto fwhm = layer.StragglingFwhmKeV();
    const QString texts[] = {reached ? Number(layer.energyIn) : QString(),
                             reached ? Number(layer.energyOut) : QString(),
                             reached ? Number(layer.energyLost) : QString(),
                             fwhm ? Number(*fwhm) : QString(), StopText(layer)};
    for (int c = EnergyInColumn; c <= StopsAtColumn; ++c) {
      QTableWidgetItem& item = ResultItem(*table_, row, c);
      item.setText(texts[c - EnergyInColumn]);
      item.setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item.setForeground(palette().color(QPalette::Text));
      item.setToolTip({});
    }
  }
}

}  // namespace alphastop::ui
