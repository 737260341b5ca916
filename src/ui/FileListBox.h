#pragma once
#include <QListWidget>

namespace alphastop::ui {

// A list of the files of one folder that match a pattern, sorted by name. Where the folder
// is missing, unreadable or holds no such file, the empty list says so and where it looked.
class FileListBox : public QListWidget {
  Q_OBJECT
 public:
  FileListBox(const QString& pattern, QWidget* parent = nullptr);

  // Lists the matching files of folder (relative to the working folder, or absolute). The
  // tooltip is about (where the files come from, or why none could be found), after the
  // list's own text where the list is empty.
  void SetFolder(const QString& folder, const QString& about = {});
  QString Folder() const { return folder_; }
  QString EmptyText() const { return emptyText_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString pattern_;
  QString folder_;
  QString emptyText_;
};

}  // namespace alphastop::ui
