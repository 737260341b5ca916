#include "ui/main/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>

#include "core/data/MaterialFile.h"
#include "core/data/MaterialTable.h"
#include "ui/common/AlphaIcon.h"
#include "core/lookup/EnergyInput.h"
#include "core/lookup/Interpolation.h"
#include "core/lookup/CursorPlacement.h"
#include "core/text/NumberFormat.h"
#include "core/paths/DataFolder.h"
#include "core/paths/UserFolder.h"
#include "ui/common/Controls.h"
#include "ui/graph/Cursors.h"
#include "ui/common/DataFolders.h"
#include "ui/main/FileListBox.h"
#include "ui/common/Fonts.h"
#include "ui/graph/DrawGraph.h"
#include "ui/graph/Form2.h"
#include "ui/main/Form3.h"
#include "ui/common/Messages.h"
#include "ui/main/RowListDelegate.h"
#include "ui/common/Twips.h"
#include "ui/range/RangeWindow.h"

namespace alphastop::ui {
namespace {

struct HeadingDesign {
  const char* name;
  int index;  // designer index of a label group; 0 for a single label
  const char* text;
  TwipsBox box;
  double points;
  Qt::Alignment alignment;
};

// The one selected item of a single-selection list, or nullptr. Selections, unlike the
// current item, change only by the user's click or arrow key, or by the program's choice.
QListWidgetItem* SelectedItem(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? nullptr : selected.first();
}

QString FromPath(const std::filesystem::path& path) { return FromUtf8(path.string()); }

QLabel* MakeFramedLabel(QWidget* parent, const char* name, const char* text, TwipsBox box) {
  QLabel* label = MakeLabel(parent, name, QString::fromUtf8(text), box,
                            DesignFont(Face::Serif, 14.25), Qt::AlignHCenter);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameShape(QFrame::Box);
  label->setLineWidth(1);
  SetBackground(label, LightYellow);
  return label;
}

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle(tr("Alpha-particle (Helium ion) Stopping Power and Range"));
  setWindowIcon(AlphaTrackIcon());
  const QRect design = TwipsRect(120, 465, 13500, 11295);
  client_ = new QWidget(this);
  client_->setObjectName("Form1Client");
  client_->setFixedSize(design.size());
  setCentralWidget(client_);
  BuildMenuBar();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  // The design places the client area, not the frame around it; the menu bar heads it.
  setGeometry(QRect(design.topLeft(), size()));

  BuildFileChoice();
  BuildRowList();
  BuildReadoutPanel();
  SetFocusOrder();
}

Form1::~Form1() = default;

void Form1::BuildFileChoice() {
  const QFont heading = DesignFont(Face::Serif, 15.75);
  SetTextColour(MakeLabel(client_, "Label1", tr("Elements"), {420, 360, 1185, 345}, heading,
                          Qt::AlignHCenter),
                DarkBlue);
  SetTextColour(MakeLabel(client_, "Label3", tr("Compounds and Mixtures"), {2085, 360, 3255, 345},
                          heading, Qt::AlignHCenter),
                DarkBlue);

  File1 = new FileListBox(MaterialKind::Element, client_);
  File1->setObjectName("File1");
  File1->setGeometry(TwipsRect(120, 960, 2055, 6930));
  File1->setFont(DesignFont(Face::Gothic, 14.25));
  SetTextColour(File1, Qt::black);
  File2 = new FileListBox(MaterialKind::Compound, client_);
  File2->setObjectName("File2");
  File2->setGeometry(TwipsRect(2400, 960, 2895, 6930));
  File2->setFont(DesignFont(Face::Gothic, 14.25));
  // A pick follows the selection, which only a click or the arrow keys move: a list that
  // takes the focus makes its first item current without selecting it.
  connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
    if (SelectedItem(File1)) File1Click();
  });
  connect(File2, &QListWidget::itemSelectionChanged, this, [this] {
    const QListWidgetItem* item = SelectedItem(File2);
    if (item) File2Click();
    // Only the user's own materials can be deleted, and only while one is picked.
    deleteMaterial_->setEnabled(item && File2->IsUsersOwn(item));
  });
  deleteMaterial_ = new QAction(tr("&Delete material\u2026"), File2);
  deleteMaterial_->setObjectName("DeleteMaterialAction");
  deleteMaterial_->setShortcut(QKeySequence::Delete);
  deleteMaterial_->setShortcutContext(Qt::WidgetShortcut);
  deleteMaterial_->setEnabled(false);
  connect(deleteMaterial_, &QAction::triggered, this, &Form1::DeleteUsersMaterial);
  File2->addAction(deleteMaterial_);
  File2->setContextMenuPolicy(Qt::ActionsContextMenu);

  Text1 = MakeTextBox(client_, "Text1", {120, 8160, 5175, 525}, DesignFont(Face::Serif, 15.75),
                      Qt::AlignCenter);

  Command2 = MakeButton(client_, "Command2", tr("OK"), {720, 8880, 3615, 735},
                        DesignFont(Face::Serif, 18), LightYellow);
  Command1 =
      MakeButton(client_, "Command1", tr("Exit"), {720, 9840, 1575, 615}, heading, LightYellow);
  Command3 = MakeButton(client_, "Command3", tr("Reference"), {2760, 9840, 1575, 615}, heading,
                        LightYellow);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1Click);
  connect(Command2, &QPushButton::clicked, this, &Form1::Command2Click);
  connect(Command3, &QPushButton::clicked, this, &Form1::Command3Click);

  QLabel* notice =
      MakeLabel(client_, "Label6", tr("AlphaStop model tables"), {1440, 10800, 2400, 255},
                DesignFont(Face::Serif, 11.25), Qt::AlignHCenter);
  notice->setToolTip(tr(
      "The shipped tables are computed by AlphaStop's model with the methods of ICRU Report 49;\n"
      "the Reference window cites the report whose tables they follow."));
  SetTextColour(notice, DarkGrey);

  Picture1 = new QLabel(client_);
  Picture1->setObjectName("Picture1");
  Picture1->setGeometry(TwipsRect(4560, 10560, 480, 480));
  Picture1->setPixmap(AlphaTrackPicture(32, devicePixelRatioF()));
}

void Form1::BuildRowList() {
  const Qt::Alignment centred = Qt::AlignHCenter;
  const HeadingDesign headings[] = {
      {"Label28", 0, "Kinetic", {5880, 360, 945, 345}, 15.75, centred},
      {"Label2", 0, "energy", {6000, 600, 825, 345}, 15.75, centred},
      {"Label7", 0, "MeV", {6120, 1080, 645, 345}, 15.75, centred},
      {"Label9", 0, "Stopping Power", {8160, 135, 2025, 345}, 15.75, centred},
      {"Label10", 0, "Electronic  Nuclear  Total", {7080, 600, 3255, 345}, 15.75, centred},
      {"Label29", 0, "MeV", {8200, 1080, 645, 345}, 15.75, centred},
      {"Label17", 1, "cm", {8880, 1080, 405, 345}, 15.75, centred},
      {"Label19", 1, "2", {9270, 1080, 135, 255}, 11.25, centred},
      {"Label18", 1, "/g", {9465, 1080, 255, 345}, 15.75, centred},
      {"Label16", 0, "Range", {11400, 135, 795, 345}, 15.75, centred},
      {"Label22", 0, "CSDA  Projected", {10800, 600, 2145, 345}, 15.75, Qt::AlignLeft},
      {"Label17", 3, "g/cm", {11280, 1080, 645, 345}, 15.75, centred},
      {"Label19", 3, "2", {11900, 1080, 135, 255}, 11.25, centred},
  };
  for (const HeadingDesign& design : headings) {
    QLabel* label = MakeLabel(client_, design.name, QString::fromUtf8(design.text), design.box,
                              DesignFont(Face::Serif, design.points), design.alignment);
    SetTextColour(label, DarkBlue);
    if (design.index > 0) label->setProperty("Index", design.index);
  }

  List1 = new QListWidget(client_);
  List1->setObjectName("List1");
  List1->setGeometry(TwipsRect(5640, 1560, 7695, 7260));
  List1->setFont(DesignFont(Face::FixedGothic, 12));
  List1->setSortingEnabled(false);
  // Several rows may be selected to copy them; the row read out is the one clicked last.
  List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  List1->setUniformItemSizes(true);
  List1->setItemDelegate(new RowListDelegate(List1));
  SetTextColour(List1, Qt::black);
  SetBackground(List1, Qt::white);
  List1->setAutoFillBackground(false);
  // The crosshair selects rows from code; setCurrentRow selects, so it reads out too.
  connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
    if (QListWidgetItem* item = List1->currentItem(); item && item->isSelected())
      List1Click(List1->row(item));
  });
  auto* copy = new QAction(tr("&Copy rows"), List1);
  copy->setObjectName("CopyRowsAction");
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, &Form1::CopyRows);
  List1->addAction(copy);
  List1->installEventFilter(this);
  List1->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void Form1::BuildReadoutPanel() {
  MakeFramedLabel(client_, "Label11", "Kinetic energy of Helium ion", {5640, 9120, 3735, 405});
  MakeFramedLabel(client_, "Label4", "Electronic stopping power", {5640, 9600, 3735, 405});
  MakeFramedLabel(client_, "Label5", "Nuclear stopping power", {5640, 10080, 3735, 405});
  MakeFramedLabel(client_, "Label25", "Total stopping power", {5640, 10560, 3735, 405});
  MakeFramedLabel(client_, "Label26", "MeV", {11880, 9120, 1455, 405});
  MakeFramedLabel(client_, "Label27", "MeV cm2/g", {11760, 9600, 1575, 405});
  MakeFramedLabel(client_, "Label8", "MeV cm2/g", {11760, 10080, 1575, 405});
  MakeFramedLabel(client_, "Label12", "MeV cm2/g", {11760, 10560, 1575, 405});

  const QFont boxFont = DesignFont(Face::Serif, 15.75);
  Text3 = MakeTextBox(client_, "Text3", {9360, 9120, 1935, 405}, boxFont, Qt::AlignCenter);
  Text5 = MakeTextBox(client_, "Text5", {9360, 9600, 2415, 405}, boxFont, Qt::AlignCenter);
  Text6 = MakeTextBox(client_, "Text6", {9360, 10080, 2415, 405}, boxFont, Qt::AlignCenter);
  Text4 = MakeTextBox(client_, "Text4", {9360, 10560, 2415, 405}, boxFont, Qt::AlignCenter);
  for (QLineEdit* box : {Text3, Text4, Text5, Text6}) SetBackground(box, LightCyan);
  Text3->installEventFilter(this);

  Command4 = MakeButton(client_, "Command4", tr("C"), {11280, 9120, 615, 375},
                        DesignFont(Face::Sans, 14.25), LightYellow);
  connect(Command4, &QPushButton::clicked, this, &Form1::Command4Click);
}

void Form1::SetFocusOrder() {
  QWidget* const order[] = {File1, File2,    Command2, Text1,    List1, Text3,
                            Text4, Command1, Command3, Command4, Text5, Text6};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
  Picture1->setFocusPolicy(Qt::NoFocus);
}

void Form1::showEvent(QShowEvent* event) {
  if (!loaded_) {
    loaded_ = true;
    FormLoad();
  }
  QWidget::showEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text3 && event->type() == QEvent::MouseButtonPress) Text3Click();
  if (watched == Text3 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    Text3KeyPress(enter ? '\r' : (key->text().isEmpty() ? 0 : key->text().front().unicode()));
  }
  // The list's own Copy takes the current row alone; the rows go as a table.
  if (watched == List1 && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    CopyRows();
    return true;
  }
  return QWidget::eventFilter(watched, event);  // the key still reaches the box
}

void Form1::FormLoad() {
  SharedMaterialTable().DataFile.clear();
  Text1->clear();
  ClearReadouts();
  SetReadoutsEnabled(false);
  const DataFolder data = FindWindowDataFolder();
  const auto about = [&](const QString& what, const char* kind) {
    if (data.error) return FromUtf8(data.error->message);
    return tr("%1 from %2 (%3)")
        .arg(what, FromPath(data.folder / kind), QString::fromUtf8(DataSourceName(data.source)));
  };
  File1->SetFolder(FromPath(TableFolder(data, ElementFolderName)),
                   about(tr("Elements"), ElementFolderName));
  File2->SetFolder(FromPath(TableFolder(data, CompoundFolderName)),
                   about(tr("Compounds and mixtures"), CompoundFolderName),
                   FromPath(ProcessUserCompoundFolder()));
  File1->setFocus();
}

void Form1::File1Click() { PickFile(File1, File2); }
void Form1::File2Click() { PickFile(File2, File1); }

void Form1::PickFile(FileListBox* list, FileListBox* other) {
  // Only the picked name stays highlighted, so what "OK" loads is always in sight.
  {
    const QSignalBlocker blocker(other);
    other->setCurrentItem(nullptr);
    other->clearSelection();
  }
  const QString path = list->PathOf(SelectedItem(list));
  SharedMaterialTable().DataFile = path.toStdString();
  const Checked<std::string> title = ReadTitleLine(SharedMaterialTable().DataFile);
  const Refusal* refused = Refused(title);
  Text1->setText(refused ? QString() : FromUtf8(std::get<std::string>(title)));
  Text1->setCursorPosition(0);
  if (refused) ShowWarning(this, FromUtf8(refused->message));
}

void Form1::Command2Click() {
  if (loadInProgress_ || ending_) return;
  MaterialTable& table = SharedMaterialTable();
  if (table.DataFile.empty()) {
    ShowWarning(this, tr("Select material"));
    return;
  }
  loadInProgress_ = true;
  const QScopeGuard loadDone([this] { loadInProgress_ = false; });
  const auto error = LoadMaterialTable(table.DataFile, [] { QCoreApplication::processEvents(); });
  // "Exit" may have been pressed while events ran: the program is ending, show nothing more.
  if (ending_) return;
  if (error) {
    ShowWarning(this, FromUtf8(error->message));
    return;
  }
  ClearReadouts();
  SetReadoutsEnabled(true);
  List1->clear();
  QStringList items;
  items.reserve(RowCount);
  for (int r = 1; r <= RowCount; ++r) items << FromUtf8(table.ListItem(r));
  List1->addItems(items);
  QCoreApplication::processEvents();
  if (ending_) return;
  DrawGraph();
  exportTable_->setEnabled(true);
  saveGraph_->setEnabled(true);
  if (RangeWindow::Exists()) RangeWindow::Instance().ShowLoadedMaterial();
  connect(&Form2::Instance(), &Form2::RowPointedAt, List1,
          qOverload<int>(&QListWidget::setCurrentRow), Qt::UniqueConnection);
}

void Form1::Command1Click() { EndProgram(); }

void Form1::Command3Click() { Form3::Open(); }

void Form1::Command4Click() {
  ClearReadouts();
  Text3->setFocus();
}

void Form1::Text3Click() { ClearReadouts(); }

void Form1::Text3KeyPress(int keyCode) {
  if (keyCode != '\r') return;
  const Checked<double> typed = ReadTypedEnergy(Text3->text().toStdString());
  // Text that is no energy is named; the readouts and the cursor lines stay for another try.
  if (const auto* no = std::get_if<Refusal>(&typed)) {
    ShowWarning(this, FromUtf8(no->message) + '.');
    return;
  }
  const double energy = std::get<double>(typed);
  const std::optional<StopPowers> result =
      IsEnergyInRange(energy) ? InterpolateStopPower(SharedMaterialTable(), energy) : std::nullopt;
  if (!result) {
    ShowWarning(this, tr("This value is out of range."));
    ClearReadouts();
    return;
  }
  Text3->setText(FromUtf8(FormatReadout(energy)));
  Text5->setText(FromUtf8(FormatReadout(result->electronic)));
  Text6->setText(FromUtf8(FormatReadout(result->nuclear)));
  Text4->setText(FromUtf8(FormatReadout(result->total)));
  MoveEnergyCursor(energy);
  MoveStopPowerCursor(energy, result->total);
}

void Form1::List1Click(int listIndex) {
  const MaterialTable& table = SharedMaterialTable();
  const int r = listIndex + 1;
  Text3->setText(FromUtf8(FormatReadout(table.Energy(r))));
  Text4->setText(FromUtf8(FormatReadout(table.StopPower(r, Total))));
  Text5->setText(FromUtf8(FormatReadout(table.StopPower(r, Electronic))));
  Text6->setText(FromUtf8(FormatReadout(table.StopPower(r, Nuclear))));
  if (table.Energy(r) <= EnergyCursorLimit) MoveEnergyCursor(table.Energy(r));
}

void Form1::ClearReadouts() {
  for (QLineEdit* box : {Text3, Text4, Text5, Text6}) box->clear();
}

// The four boxes in their design order, then "C".
void Form1::SetReadoutsEnabled(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{Text3, Text4, Text5, Text6, Command4})
    control->setEnabled(enabled);
}

void Form1::EndProgram() {
  ending_ = true;
  // The other windows have no owner: close them too, then leave the event loop.
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != this) window->hide();
  QCoreApplication::quit();
}

}  // namespace alphastop::ui
