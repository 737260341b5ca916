#pragma once
#include <QListWidget>

#include "core/catalog/MaterialCatalog.h"

namespace alphastop::ui {

// A list of the table files of one kind (*.as or *.asc, any letter case) of a folder, and
// those of the user's own folder among them in italics, as the core's catalog lists them
// for every other part of the program, sorted by name. Where the folder is missing,
// unreadable or holds no such file, the empty list says so and where it looked.
class FileListBox : public QListWidget {
  Q_OBJECT
 public:
  FileListBox(MaterialKind kind, QWidget* parent = nullptr);

  // Lists the matching files of folder (relative to the working folder, or absolute) and of
  // usersFolder where one is given (a missing one holds nothing yet). The tooltip is about
  // (where the files come from, or why none could be found), after the list's own text
  // where the list is empty.
  void SetFolder(const QString& folder, const QString& about = {}, const QString& usersFolder = {});
  // Lists the same folders again, as they now are.
  void Refresh();
  QString Folder() const { return folder_; }
  QString UsersFolder() const { return usersFolder_; }
  QString EmptyText() const { return emptyText_; }

  // The path of an item's file, its folder's path and its name: "asc/Water.asc".
  QString PathOf(const QListWidgetItem* item) const;
  bool IsUsersOwn(const QListWidgetItem* item) const;
  // The item of the file at path, or nullptr.
  QListWidgetItem* ItemOf(const QString& path) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  MaterialKind kind_;
  QString folder_;
  QString usersFolder_;
  QString about_;
  QString emptyText_;
};

}  // namespace alphastop::ui
