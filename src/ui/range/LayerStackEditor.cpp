#include "ui/range/LayerStackEditor.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/catalog/MaterialSearch.h"
#include "core/text/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/Palette.h"

namespace alphastop::ui {
namespace {

enum Column {
  MaterialColumn,
  ThicknessColumn,
  EnergyInColumn,
  EnergyOutColumn,
  EnergyLostColumn,
  StopsAtColumn
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

// Where the particle stops: a length where the table gives a density, else g/cm2.
QString StopText(const LayerResult& layer) {
  if (!layer.stopDepth) return {};
  if (const auto micrometres = layer.StopDepthMicrometres())
    return FromUtf8(FormatLength(*micrometres));
  return Number(*layer.stopDepth) + QString::fromUtf8(" g/cm\u00b2");
}

}  // namespace

LayerStackEditor::LayerStackEditor(QWidget* parent) : QWidget(parent) {
  table_ = new QTableWidget(0, 6, this);
  table_->setObjectName("LayerTable");
  table_->setHorizontalHeaderLabels({tr("Material"), tr("Thickness"), tr("Energy in (MeV)"),
                                     tr("Energy out (MeV)"), tr("Energy lost (MeV)"),
                                     tr("Stops at")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  // Fixed widths: a message across the result cells must not widen them.
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionResizeMode(MaterialColumn, QHeaderView::Stretch);
  for (int c = ThicknessColumn; c <= StopsAtColumn; ++c)
    header->resizeSection(c, header->fontMetrics().horizontalAdvance(
                                 c == StopsAtColumn ? QString::fromUtf8("0.000E+00 g/cm\u00b2")
                                                    : table_->horizontalHeaderItem(c)->text()) +
                                 24);
  table_->setMinimumWidth(720);

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
  layers_.push_back({material, thickness.toStdString()});
  Rebuild();
  table_->selectRow(static_cast<int>(layers_.size()) - 1);
  emit Changed();
}

// A new layer repeats the one selected (or the last), which is what a stack of foils and
// gaps most often needs next; the first is of the material loaded, where it is offered.
void LayerStackEditor::AddClicked() {
  if (materials_.empty()) return;
  const int row =
      table_->currentRow() >= 0 ? table_->currentRow() : static_cast<int>(layers_.size()) - 1;
  if (row >= 0)
    AddLayer(layers_[static_cast<std::size_t>(row)].material,
             QString::fromStdString(layers_[static_cast<std::size_t>(row)].thickness));
  else
    AddLayer(FindMaterialNamed(materials_, preferred_).value_or(materials_.front()).name, "1um");
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
  std::string material = box->currentText().trimmed().toStdString();
  if (const auto ranked = RankMatches(materials_, material); !ranked.empty())
    material = materials_[ranked.front()].name;
  else if (const Checked<CatalogEntry> found = FindMaterial(materials_, material); ValueOf(found))
    material = ValueOf(found)->name;  // a common name or a word of a title: "PET", "Plexiglas"
  const QSignalBlocker blocker(box);
  box->setEditText(QString::fromStdString(material));
  LayerInput& layer = layers_[static_cast<std::size_t>(row)];
  if (layer.material == material) return;
  layer.material = material;
  emit Changed();
}

void LayerStackEditor::ThicknessEdited(int row, const QString& text) {
  layers_[static_cast<std::size_t>(row)].thickness = text.toStdString();
  emit Changed();
}

// The rows' widgets are made anew from the settings after every change of their order.
void LayerStackEditor::Rebuild() {
  table_->setRowCount(static_cast<int>(layers_.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const LayerInput& layer = layers_[static_cast<std::size_t>(row)];
    auto* material = new QComboBox;
    material->setObjectName(QString("LayerMaterial%1").arg(row + 1));
    material->setEditable(true);
    material->setInsertPolicy(QComboBox::NoInsert);
    for (const CatalogEntry& entry : materials_)
      material->addItem(QString::fromStdString(entry.name));
    material->completer()->setFilterMode(Qt::MatchContains);
    material->completer()->setCompletionMode(QCompleter::PopupCompletion);
    material->setCurrentIndex(material->findText(QString::fromStdString(layer.material)));
    material->setEditText(QString::fromStdString(layer.material));
    connect(material, &QComboBox::activated, this,
            [this, row, material] { MaterialTyped(row, material); });
    connect(material->lineEdit(), &QLineEdit::editingFinished, this,
            [this, row, material] { MaterialTyped(row, material); });
    table_->setCellWidget(row, MaterialColumn, material);
    auto* thickness = new QLineEdit(QString::fromStdString(layer.thickness));
    thickness->setObjectName(QString("LayerThickness%1").arg(row + 1));
    thickness->setPlaceholderText(tr("e.g. 30um"));
    connect(thickness, &QLineEdit::textEdited, this,
            [this, row](const QString& text) { ThicknessEdited(row, text); });
    table_->setCellWidget(row, ThicknessColumn, thickness);
  }
  const bool any = !layers_.empty();
  remove_->setEnabled(any && table_->currentRow() >= 0);
  up_->setEnabled(any && table_->currentRow() > 0);
  down_->setEnabled(any && table_->currentRow() >= 0 &&
                    table_->currentRow() + 1 < table_->rowCount());
}

void LayerStackEditor::Show(const StackResult& stack) {
  for (int row = 0; row < table_->rowCount(); ++row) {
    const LayerResult layer = row < static_cast<int>(stack.layers.size())
                                  ? stack.layers[static_cast<std::size_t>(row)]
                                  : LayerResult{};
    const QString message = layer.refusal ? FromUtf8(OneLine(*layer.refusal)) : QString();
    // A message spans the four result cells; a span of one cell is no span at all.
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
    const QString texts[] = {reached ? Number(layer.energyIn) : QString(),
                             reached ? Number(layer.energyOut) : QString(),
                             reached ? Number(layer.energyLost) : QString(), StopText(layer)};
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
