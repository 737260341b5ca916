#include "ui/main/FileListBox.h"

#include <QDir>
#include <QPainter>

#include <algorithm>

namespace alphastop::ui {
namespace {

constexpr int FolderRole = Qt::UserRole;
constexpr int UsersOwnRole = Qt::UserRole + 1;

QStringList MatchingFiles(const QString& folder, MaterialKind kind) {
  QStringList names;
  const CatalogFolder catalogFolder{folder.toStdString(), kind};
  for (const CatalogEntry& entry : ListTableFiles({&catalogFolder, 1}))
    names << QString::fromStdString(entry.path.filename().string());
  return names;
}

}  // namespace

FileListBox::FileListBox(MaterialKind kind, QWidget* parent) : QListWidget(parent), kind_(kind) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void FileListBox::SetFolder(const QString& folder, const QString& about,
                            const QString& usersFolder) {
  folder_ = folder;
  usersFolder_ = usersFolder;
  about_ = about;
  Refresh();
}

void FileListBox::Refresh() {
  clear();
  const QDir dir(folder_);
  const QString where = QDir::toNativeSeparators(dir.absolutePath());
  struct Entry {
    QString name, folder;
    bool usersOwn;
  };
  QList<Entry> entries;
  if (!dir.exists()) {
    emptyText_ = tr("No folder \"%1\" at\n%2").arg(folder_, where);
  } else if (!dir.isReadable()) {
    emptyText_ = tr("Cannot read the folder \"%1\" at\n%2").arg(folder_, where);
  } else {
    for (const QString& name : MatchingFiles(folder_, kind_))
      entries.append({name, folder_, false});
    const QString pattern = "*" + QString::fromUtf8(TableExtension(kind_));
    emptyText_ = entries.isEmpty() ? tr("No %1 files in\n%2").arg(pattern, where) : QString();
  }
  if (!usersFolder_.isEmpty())
    for (const QString& name : MatchingFiles(usersFolder_, kind_))
      entries.append({name, usersFolder_, true});
  if (!entries.isEmpty()) emptyText_.clear();
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
  });
  for (const Entry& entry : entries) {
    auto* item = new QListWidgetItem(entry.name, this);
    item->setData(FolderRole, entry.folder);
    item->setData(UsersOwnRole, entry.usersOwn);
    if (entry.usersOwn) {
      QFont italic = font();
      italic.setItalic(true);
      item->setFont(italic);
      item->setToolTip(tr("Your own material, in %1").arg(QDir::toNativeSeparators(entry.folder)));
    }
  }
  setToolTip(emptyText_.isEmpty() || about_.isEmpty() ? emptyText_ + about_
                                                      : emptyText_ + "\n" + about_);
  viewport()->update();
}

QString FileListBox::PathOf(const QListWidgetItem* item) const {
  return item->data(FolderRole).toString() + "/" + item->text();
}

bool FileListBox::IsUsersOwn(const QListWidgetItem* item) const {
  return item->data(UsersOwnRole).toBool();
}

QListWidgetItem* FileListBox::ItemOf(const QString& path) const {
  for (int i = 0; i < count(); ++i)
    if (PathOf(item(i)) == path) return item(i);
  return nullptr;
}

void FileListBox::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (count() > 0 || emptyText_.isEmpty()) return;
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.7);
  painter.setFont(small);
  painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4),
                   Qt::AlignTop | Qt::AlignLeft | Qt::TextWrapAnywhere, emptyText_);
}

}  // namespace alphastop::ui
