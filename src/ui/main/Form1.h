#pragma once
#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace alphastop::ui {

class FileListBox;

// The main window: pick a material file, load it, read its rows and look up energies. Its
// menu bar sits above the designed client area, which keeps its layout.
// Handlers are named after the control and the event they answer; they call the core and
// set controls, and keep no state of their own beyond the load in progress.
class Form1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenuBar();
  void BuildFileChoice();
  void BuildRowList();
  void BuildReadoutPanel();
  void SetFocusOrder();

  void FormLoad();
  void File1Click();
  void File2Click();
  void PickFile(FileListBox* list, FileListBox* other);
  void Command1Click();
  void Command2Click();
  void Command3Click();
  void Command4Click();
  void Text3Click();
  void Text3KeyPress(int keyCode);
  void List1Click(int listIndex);
  void ClearReadouts();
  void SetReadoutsEnabled(bool enabled);
  void EndProgram();
  void ShowAbout();
  void ExportTable();
  void CopyRows();
  void DeleteUsersMaterial();
  void OpenNewMaterial();
  void PickSavedMaterial(const QString& path);

  QWidget* client_ = nullptr;  // the designed 900 x 753 area below the menu bar
  FileListBox* File1 = nullptr;
  FileListBox* File2 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLineEdit* Text6 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QListWidget* List1 = nullptr;
  QLabel* Picture1 = nullptr;
  QAction* exportTable_ = nullptr;     // enabled once a table is loaded
  QAction* saveGraph_ = nullptr;       // likewise
  QAction* deleteMaterial_ = nullptr;  // enabled while one of the user's own materials is picked

  bool loaded_ = false;          // the start-up state has run
  bool loadInProgress_ = false;  // events run inside a load must not start another
  bool ending_ = false;          // "Exit" was pressed: a load it interrupted shows nothing more
};

}  // namespace alphastop::ui
