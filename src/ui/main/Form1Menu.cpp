// The main window's menu bar: every command beyond the designed buttons reaches the user here.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QKeySequence>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>

#include "core/Version.h"
#include "core/data/MaterialTable.h"
#include "core/report/TableReport.h"
#include "ui/main/FileListBox.h"
#include "ui/compare/CompareWindow.h"
#include "ui/graph/Form2.h"
#include "ui/graph/GraphCommands.h"
#include "ui/main/Form1.h"
#include "ui/main/Form3.h"
#include "ui/common/Messages.h"
#include "ui/common/SaveFile.h"
#include "ui/material/NewMaterialDialog.h"
#include "ui/range/RangeWindow.h"

namespace alphastop::ui {

void Form1::BuildMenuBar() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  exportTable_ = file->addAction(tr("&Export table\u2026"), this, &Form1::ExportTable);
  exportTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  exportTable_->setObjectName("ExportTableAction");
  exportTable_->setEnabled(false);
  saveGraph_ =
      file->addAction(tr("&Save graph\u2026"), this, [this] { SaveGraphWithDialog(this); });
  saveGraph_->setShortcut(QKeySequence::Save);
  saveGraph_->setObjectName("SaveGraphMenuAction");
  saveGraph_->setEnabled(false);
  file->addSeparator();
  QAction* exit = file->addAction(tr("E&xit"), this, &Form1::EndProgram);
  exit->setShortcut(QKeySequence::Quit);
  exit->setObjectName("ExitAction");

  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  QAction* range = tools->addAction(tr("&Range and energy loss\u2026"), this, &RangeWindow::Open);
  range->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  range->setObjectName("RangeAction");
  QAction* newMaterial = tools->addAction(tr("&New material\u2026"), this, &Form1::OpenNewMaterial);
  newMaterial->setShortcut(QKeySequence::New);
  newMaterial->setObjectName("NewMaterialAction");
  QAction* compare = tools->addAction(tr("&Compare materials\u2026"), this, &CompareWindow::Open);
  compare->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  compare->setObjectName("CompareAction");
  tools->addSeparator();
  // The graph window's own choice, which its context menu offers too; it is read when the
  // menu opens, and a press of the shortcut turns the graph over from what it shows.
  QAction* ranges = tools->addAction(tr("Show ran&ges on the graph"));
  ranges->setCheckable(true);
  ranges->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  ranges->setObjectName("GraphRangesAction");
  connect(ranges, &QAction::triggered, this, [ranges] {
    Form2& graph = Form2::Instance();
    graph.SetView(graph.View() == GraphView::Ranges ? GraphView::StoppingPowers
                                                    : GraphView::Ranges);
    ranges->setChecked(graph.View() == GraphView::Ranges);
  });
  connect(tools, &QMenu::aboutToShow, this, [ranges] {
    ranges->setChecked(Form2::Exists() && Form2::Instance().View() == GraphView::Ranges);
  });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&Reference"), this, &Form1::Command3Click)->setObjectName("ReferenceAction");
  help->addAction(tr("&About AlphaStop"), this, &Form1::ShowAbout)->setObjectName("AboutAction");
}

void Form1::ExportTable() {
  const MaterialTable& table = SharedMaterialTable();
  const QString path = AskSavePath(this, tr("Export table"), SuggestedExportName("csv"),
                                   tr("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return;
  const std::string csv = WriteReport(TableReport(table), ReportFormat::Csv);
  if (const QString error = WriteWholeFile(path, QByteArray::fromStdString(csv)); !error.isEmpty())
    ShowWarning(this, error);
}

// The selected rows of List1, in table order, as tab-separated text with a header line.
void Form1::CopyRows() {
  const MaterialTable& table = SharedMaterialTable();
  const Report all = TableReport(table);
  Report selected{.about = {}, .columns = all.columns, .rows = {}};
  for (int i = 0; i < List1->count(); ++i)
    if (List1->item(i)->isSelected())
      selected.rows.push_back(all.rows[static_cast<std::size_t>(i)]);
  if (selected.rows.empty()) return;
  QApplication::clipboard()->setText(
      QString::fromStdString(WriteReport(selected, ReportFormat::Tsv)));
}

void Form1::OpenNewMaterial() {
  connect(&NewMaterialDialog::Instance(), &NewMaterialDialog::Saved, this,
          &Form1::PickSavedMaterial, Qt::UniqueConnection);
  NewMaterialDialog::Open();
}

// A material just saved shows in the compound list and is picked, as a click picks it.
void Form1::PickSavedMaterial(const QString& path) {
  File2->Refresh();
  if (RangeWindow::Exists()) RangeWindow::Instance().ReadCatalog();
  if (QListWidgetItem* item = File2->ItemOf(path)) {
    File2->setCurrentItem(item);
    File2->scrollToItem(item);
  }
}

// Only the user's own materials can go; the shipped tables are never touched.
void Form1::DeleteUsersMaterial() {
  const QListWidgetItem* item = File2->selectedItems().value(0);
  if (!item || !File2->IsUsersOwn(item)) return;
  const QString path = File2->PathOf(item);
  // The user asked for this deletion and the question names the material: Enter confirms it,
  // Escape or No keeps it.
  const auto answer =
      QMessageBox::question(this, QString::fromUtf8(ApplicationTitle),
                            tr("Delete your material \"%1\"?\nIts table %2 is removed.")
                                .arg(item->text(), QDir::toNativeSeparators(path)),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) return;
  if (!QFile::remove(path)) {
    ShowWarning(this, tr("Cannot delete \"%1\".").arg(QDir::toNativeSeparators(path)));
    return;
  }
  if (SharedMaterialTable().DataFile == path.toStdString()) {
    SharedMaterialTable().DataFile.clear();
    Text1->clear();
  }
  File2->Refresh();
  if (RangeWindow::Exists()) RangeWindow::Instance().ReadCatalog();
}

void Form1::ShowAbout() {
  QMessageBox::about(
      this, tr("About AlphaStop"),
      tr("<p><b>AlphaStop</b> %1</p>"
         "<p>Stopping power and range of alpha particles (helium ions) in matter: "
         "tables of 122 energies from 1 keV to 1 GeV, read at any energy, as a "
         "graph, and as distances through layers of material.</p>"
         "<p>The shipped tables are computed by AlphaStop's model with the methods of "
         "ICRU Report 49; Help \u25b8 Reference cites the report whose tables they "
         "follow.</p>")
          .arg(QString::fromUtf8(ApplicationVersion)));
}

}  // namespace alphastop::ui
