#include "ui/compare/CompareWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/catalog/MaterialLoader.h"
#include "core/data/MaterialTable.h"
#include "core/graph/GraphStyle.h"
#include "core/text/NumberFormat.h"
#include "ui/common/Controls.h"
#include "ui/common/DataFolders.h"
#include "ui/common/Messages.h"
#include "ui/common/SingleWindow.h"
#include "ui/compare/ComparisonDrawing.h"
#include "ui/compare/ComparisonView.h"
#include "ui/graph/ExportCommands.h"

namespace alphastop::ui {
namespace {

constexpr Quantity QuantityChoices[] = {Quantity::Electronic, Quantity::Nuclear, Quantity::Total,
                                        Quantity::CsdaRange, Quantity::ProjectedRange};

// A short line in the curve's pen on the screen's navy, as the picture draws it; made once.
const QPixmap& Swatch(int pen) {
  static std::array<QPixmap, MaxCurves> swatches;
  QPixmap& pixmap = swatches[static_cast<std::size_t>(pen % MaxCurves)];
  if (pixmap.isNull()) {
    pixmap = QPixmap(28, 12);
    pixmap.fill(GraphBackground);
    QPainter painter(&pixmap);
    painter.setPen(QPen(ToQColor(CurvePenOf(GraphStyle::Screen, pen).colour), 3));
    painter.drawLine(3, 6, 25, 6);
  }
  return pixmap;
}

// A label of fixed width, so that a new readout repaints it alone.
QLabel* ReadoutLabel(const QString& name, const QString& widest) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setFixedWidth(label->fontMetrics().horizontalAdvance(widest) + 6);
  return label;
}

QString& LastImportFolder() {
  static QString folder = QDir::homePath();
  return folder;
}

QString FileFilters() {
  QStringList filters;
  for (const TableFileKind& kind : TableFileKinds())
    filters << QString("%1 (%2)").arg(QString::fromUtf8(kind.description),
                                      QString::fromUtf8(kind.pattern));
  return filters.join(";;") + ";;" + QObject::tr("All files (*)");
}

}  // namespace

CompareWindow& CompareWindow::Instance() { return SingleWindow<CompareWindow>::Instance(); }
bool CompareWindow::Exists() { return SingleWindow<CompareWindow>::Exists(); }

void CompareWindow::Open() {
  const bool first = !Exists();
  CompareWindow& window = SingleWindow<CompareWindow>::Open();
  const MaterialTable& table = SharedMaterialTable();
  if (first && table.IsLoaded() && !table.LoadedFile.empty())
    window.Add(QString::fromStdString(table.LoadedFile));
}

CompareWindow::CompareWindow() : QWidget(nullptr), catalog_(CatalogOf(FindWindowDataFolder())) {
  setObjectName("CompareWindow");
  setWindowTitle(tr("Compare materials"));
  view_ = new ComparisonView;
  view_->setObjectName("ComparisonPicture");
  connect(view_, &ComparisonView::PointedAt, this, &CompareWindow::ShowReadout);

  auto* side = new QVBoxLayout;
  side->addWidget(BuildCurveSection());
  side->addWidget(BuildChoiceSection());
  side->addWidget(BuildReadoutSection(), 1);
  side->addWidget(BuildExportButtons());
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(side);
  layout->addWidget(view_, 0, Qt::AlignTop);
  CurvesChanged();
}

QWidget* CompareWindow::BuildCurveSection() {
  auto* box = new QGroupBox(tr("Curves (up to %1)").arg(MaxCurves));
  materialBox_ = new QLineEdit;
  materialBox_->setObjectName("MaterialBox");
  materialBox_->setPlaceholderText(tr("e.g. Mylar, Silicon, formula=H2O,density=1"));
  materialBox_->setToolTip(
      tr("A material's name, a word of its title, a common name, a path to "
         "a table file, or a material written out"));
  QStringList names;
  for (const CatalogEntry& entry : catalog_.entries) names << QString::fromStdString(entry.name);
  auto* completer = new QCompleter(names, materialBox_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  materialBox_->setCompleter(completer);
  addButton_ = new QPushButton(tr("&Add"));
  addButton_->setObjectName("AddButton");
  auto* import = new QPushButton(tr("&Import file\u2026"));
  import->setObjectName("ImportButton");
  import->setToolTip(
      tr("A table of AlphaStop's, a CSV of stopping powers, or the output of "
         "SRIM's SR module"));
  auto* remove = new QPushButton(tr("&Remove"));
  remove->setObjectName("RemoveButton");
  message_ = MakeMessageLabel("CompareMessage");
  list_ = new QListWidget;
  list_->setObjectName("CurveList");
  list_->setIconSize(QSize(28, 12));
  connect(materialBox_, &QLineEdit::returnPressed, this, &CompareWindow::AddClicked);
  connect(addButton_, &QPushButton::clicked, this, &CompareWindow::AddClicked);
  connect(import, &QPushButton::clicked, this, &CompareWindow::ImportClicked);
  connect(remove, &QPushButton::clicked, this, &CompareWindow::RemoveClicked);
  auto* removeKey =
      new QShortcut(QKeySequence::Delete, list_, nullptr, nullptr, Qt::WidgetShortcut);
  connect(removeKey, &QShortcut::activated, this, &CompareWindow::RemoveClicked);
  auto* importKey = new QShortcut(QKeySequence::Open, this);
  connect(importKey, &QShortcut::activated, this, &CompareWindow::ImportClicked);

  auto* grid = new QGridLayout(box);
  auto* label = new QLabel(tr("&Material:"));
  label->setBuddy(materialBox_);
  grid->addWidget(label, 0, 0);
  grid->addWidget(materialBox_, 0, 1);
  grid->addWidget(addButton_, 0, 2);
  grid->addWidget(message_, 1, 0, 1, 3);
  grid->addWidget(list_, 2, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(import);
  buttons->addStretch();
  buttons->addWidget(remove);
  grid->addLayout(buttons, 3, 0, 1, 3);
  list_->setFixedHeight(list_->fontMetrics().height() * 9);
  return box;
}

QWidget* CompareWindow::BuildChoiceSection() {
  auto* box = new QWidget;
  quantityBox_ = new QComboBox;
  quantityBox_->setObjectName("QuantityBox");
  for (Quantity q : QuantityChoices) {
    QString text = FromUtf8(QuantityText(q));
    text[0] = text[0].toUpper();
    quantityBox_->addItem(text, static_cast<int>(q));
  }
  quantityBox_->setCurrentIndex(static_cast<int>(Quantity::Total));
  unitBox_ = new QComboBox;
  unitBox_->setObjectName("UnitBox");
  unitBox_->addItem(QString::fromUtf8("g/cm\u00b2"));
  unitBox_->addItem(QString::fromUtf8("\u00b5m"));
  unitBox_->setToolTip(tr("Lengths need every material's density"));
  baseBox_ = new QComboBox;
  baseBox_->setObjectName("BaseBox");
  baseBox_->setToolTip(tr("The curve the differences below the graph are measured from"));
  auto* form = new QFormLayout(box);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow(tr("&Quantity:"), quantityBox_);
  form->addRow(tr("Ranges &in:"), unitBox_);
  form->addRow(tr("Differences &from:"), baseBox_);
  for (QComboBox* choice : {quantityBox_, unitBox_, baseBox_})
    connect(choice, &QComboBox::currentIndexChanged, this, &CompareWindow::Redraw);
  return box;
}

QWidget* CompareWindow::BuildReadoutSection() {
  auto* box = new QGroupBox(tr("At the pointer"));
  auto* grid = new QGridLayout(box);
  readoutEnergy_ = ReadoutLabel("ReadoutEnergy", "-0.000E-000 MeV");
  readoutUnit_ = ReadoutLabel("ReadoutUnit", QString::fromUtf8("in MeV cm\u00b2/g"));
  grid->addWidget(readoutEnergy_, 0, 0, 1, 2);
  grid->addWidget(readoutUnit_, 0, 2, 1, 2);
  for (std::size_t i = 0; i < readout_.size(); ++i) {
    const QString n = QString::number(i + 1);
    ReadoutRow& row = readout_[i];
    row.swatch = new QLabel;
    row.swatch->setFixedSize(Swatch(0).size());
    row.title = ReadoutLabel("ReadoutTitle" + n, "MMMMMMMMMMMMMM");
    row.value = ReadoutLabel("ReadoutValue" + n, "-0.000E-000");
    row.difference = ReadoutLabel("ReadoutDifference" + n, "-00000.00 %");
    row.difference->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int line = static_cast<int>(i) + 1;
    grid->addWidget(row.swatch, line, 0);
    grid->addWidget(row.title, line, 1);
    grid->addWidget(row.value, line, 2);
    grid->addWidget(row.difference, line, 3);
  }
  grid->setRowStretch(static_cast<int>(readout_.size()) + 1, 1);
  return box;
}

QWidget* CompareWindow::BuildExportButtons() {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  const struct {
    const char* name;
    QString text;
    QKeySequence key;
    void (*command)(QWidget*, const ExportTarget&);
    QString caption;
  } commands[] = {
      {"SaveButton", tr("&Save\u2026"), QKeySequence::Save, SaveWithDialog, tr("Save comparison")},
      {"CopyButton", tr("&Copy"), QKeySequence::Copy, CopyPicture, tr("Copy comparison")},
      {"PrintButton", tr("&Print\u2026"), QKeySequence::Print, PrintWithDialog,
       tr("Print comparison")},
  };
  for (std::size_t i = 0; i < std::size(commands); ++i) {
    auto* button = new QPushButton(commands[i].text);
    button->setObjectName(commands[i].name);
    button->setToolTip(commands[i].key.toString(QKeySequence::NativeText));
    const auto command = commands[i].command;
    const QString caption = commands[i].caption;
    const auto run = [this, command, caption] {
      if (!shown_) return;
      command(this, Target(caption));
      printStyle_->setChecked(ExportStyle() == GraphStyle::Print);
    };
    connect(button, &QPushButton::clicked, this, run);
    // Ctrl+C copies a text box's selection where one has the focus; the picture elsewhere.
    auto* shortcut = new QShortcut(commands[i].key, this);
    connect(shortcut, &QShortcut::activated, this, run);
    row->addWidget(button);
    exportButtons_[i] = button;
  }
  printStyle_ = new QCheckBox(tr("&White for print"));
  printStyle_->setObjectName("PrintStyleBox");
  printStyle_->setToolTip(tr("Save, copy and print on a white background, with dashed lines"));
  connect(printStyle_, &QCheckBox::toggled, this,
          [](bool white) { SetExportStyle(white ? GraphStyle::Print : GraphStyle::Screen); });
  row->addWidget(printStyle_);
  return box;
}

ExportTarget CompareWindow::Target(const QString& caption) const {
  const std::size_t base = shownBase_;
  return {caption, "comparison",
          [this, base](GraphStyle style) { return ComparisonDrawing(*shown_, base, style); },
          [this](const QString& path) { return SaveComparisonCsv(*shown_, path); }};
}

void CompareWindow::changeEvent(QEvent* event) {
  // A dialog of another window may have chosen the style; tables may have come or gone.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    printStyle_->setChecked(ExportStyle() == GraphStyle::Print);
    catalog_ = CatalogOf(FindWindowDataFolder());
  }
  QWidget::changeEvent(event);
}

std::optional<QString> CompareWindow::Add(const QString& text) {
  const QString given = text.trimmed();
  if (given.isEmpty()) return tr("Type a material's name, or import a file.");
  if (entries_.size() >= static_cast<std::size_t>(MaxCurves))
    return tr("At most %1 curves: remove one first.").arg(MaxCurves);
  Checked<TableCurves> curves = LoadCurves(given.toStdString(), catalog_);
  if (const Refusal* no = Refused(curves)) return FromUtf8(no->message);
  entries_.push_back({given, std::get<TableCurves>(std::move(curves))});
  CurvesChanged();
  return std::nullopt;
}

QString CompareWindow::AddMaterial(const QString& text) {
  const std::optional<QString> refusal = Add(text);
  SetText(message_, refusal.value_or(QString()));
  if (!refusal) materialBox_->clear();
  return refusal.value_or(QString());
}

void CompareWindow::AddFile(const QString& path) {
  if (const std::optional<QString> refusal = Add(path)) ShowWarning(this, *refusal);
}

void CompareWindow::AddClicked() { AddMaterial(materialBox_->text()); }

void CompareWindow::ImportClicked() {
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Import a table"), LastImportFolder(), FileFilters());
  if (path.isEmpty()) return;
  LastImportFolder() = QFileInfo(path).absolutePath();
  AddFile(path);
}

void CompareWindow::RemoveClicked() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  entries_.erase(entries_.begin() + row);
  CurvesChanged();
  list_->setCurrentRow(std::min(row, list_->count() - 1));
}

// The list, the base choice and the readout's titles follow the curves; each curve keeps
// the pen of its place.
void CompareWindow::CurvesChanged() {
  const QSignalBlocker blockBase(baseBox_);
  const int base = baseBox_->currentIndex();
  list_->clear();
  baseBox_->clear();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const QString title = FromUtf8(entries_[i].curves.title);
    auto* item = new QListWidgetItem(QIcon(Swatch(static_cast<int>(i))), title, list_);
    item->setToolTip(entries_[i].text);
    baseBox_->addItem(title);
  }
  baseBox_->setCurrentIndex(std::clamp(base, 0, baseBox_->count() - 1));
  addButton_->setEnabled(entries_.size() < static_cast<std::size_t>(MaxCurves));
  Redraw();
}

// The curves that give the quantity, compared; one that gives none is left out and named.
void CompareWindow::Redraw() {
  const auto quantity = static_cast<Quantity>(quantityBox_->currentData().toInt());
  std::vector<TableCurves> sources;
  std::vector<int> pens;
  QStringList leftOut;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].curves.Has(quantity)) {
      sources.push_back(entries_[i].curves);
      pens.push_back(static_cast<int>(i));
    } else {
      leftOut << FromUtf8(entries_[i].curves.title);
    }
  }
  const bool lengths = IsRange(quantity) && !sources.empty() && AllDensitiesKnown(sources);
  unitBox_->setEnabled(lengths);
  shown_.reset();
  shownBase_ = 0;
  if (!sources.empty()) {
    Checked<Comparison> compared =
        Compare(sources, quantity, lengths && unitBox_->currentIndex() == 1);
    if (Comparison* comparison = std::get_if<Comparison>(&compared)) {
      for (std::size_t k = 0; k < pens.size(); ++k) comparison->curves[k].pen = pens[k];
      const auto base = std::find(pens.begin(), pens.end(), baseBox_->currentIndex());
      shownBase_ = base == pens.end() ? 0 : static_cast<std::size_t>(base - pens.begin());
      shown_ = std::move(*comparison);
    }
  }
  if (!leftOut.isEmpty())
    SetText(message_, tr("Not shown, as they give no %1: %2")
                          .arg(FromUtf8(QuantityText(quantity)), leftOut.join(", ")));
  for (QPushButton* button : exportButtons_) button->setEnabled(shown_.has_value());
  view_->Show(shown_, shownBase_);
  ShowCurvesInReadout();
  ShowReadout(std::nullopt);
}

void CompareWindow::ShowCurvesInReadout() {
  SetText(readoutUnit_, shown_ ? tr("in %1").arg(FromUtf8(UnitText(shown_->unit))) : QString());
  for (std::size_t i = 0; i < readout_.size(); ++i) {
    ReadoutRow& row = readout_[i];
    const bool shown = shown_ && i < shown_->curves.size();
    const int pen = shown ? shown_->curves[i].pen : -1;
    if (pen != row.pen) {
      row.swatch->setPixmap(pen < 0 ? QPixmap() : Swatch(pen));
      row.pen = pen;
    }
    const QString title = shown ? FromUtf8(shown_->curves[i].title) : QString();
    if (title != row.title->toolTip()) {
      row.title->setText(
          row.title->fontMetrics().elidedText(title, Qt::ElideRight, row.title->width() - 4));
      row.title->setToolTip(title);
    }
  }
}

void CompareWindow::ShowReadout(std::optional<double> energy) {
  std::vector<CurveReadout> readouts;
  if (energy && shown_) readouts = ReadoutAt(*shown_, shownBase_, *energy);
  SetText(readoutEnergy_, energy && shown_ ? FromUtf8(FormatReadout(*energy)) + " MeV" : QString());
  for (std::size_t i = 0; i < readout_.size(); ++i) {
    const ReadoutRow& row = readout_[i];
    QString value, difference;
    if (i < readouts.size()) {
      if (readouts[i].value) value = FromUtf8(FormatReadout(*readouts[i].value));
      if (readouts[i].differencePercent)
        difference = QString::asprintf("%+.2f %%", *readouts[i].differencePercent);
    }
    SetText(row.value, value);
    SetText(row.difference, difference);
  }
}

}  // namespace alphastop::ui
