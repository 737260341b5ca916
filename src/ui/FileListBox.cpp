#include "ui/FileListBox.h"

#include <QDir>
#include <QPainter>

namespace alphastop::ui {

FileListBox::FileListBox(const QString& pattern, QWidget* parent) : QListWidget(parent), pattern_(pattern) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void FileListBox::SetFolder(const QString& folder, const QString& about) {
  folder_ = folder;
  clear();
  const QDir dir(folder);
  const QString where = QDir::toNativeSeparators(dir.absolutePath());
  if (!dir.exists()) {
    emptyText_ = tr("No folder \"%1\" at\n%2").arg(folder, where);
  } else if (!dir.isReadable()) {
    emptyText_ = tr("Cannot read the folder \"%1\" at\n%2").arg(folder, where);
  } else {
    const QStringList names = dir.entryList({pattern_}, QDir::Files | QDir::Readable | QDir::Hidden,
                                            QDir::Name | QDir::IgnoreCase);
    addItems(names);
    emptyText_ = names.isEmpty() ? tr("No %1 files in\n%2").arg(pattern_, where) : QString();
  }
  setToolTip(emptyText_.isEmpty() || about.isEmpty() ? emptyText_ + about : emptyText_ + "\n" + about);
  viewport()->update();
}

void FileListBox::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (count() > 0 || emptyText_.isEmpty()) return;
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.7);
  painter.setFont(small);
  painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4), Qt::AlignTop | Qt::AlignLeft | Qt::TextWrapAnywhere,
                   emptyText_);
}

}  // namespace alphastop::ui
