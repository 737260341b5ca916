#pragma once
#include <QStyledItemDelegate>

namespace alphastop::ui {

// Paints the rows of the table list: one line of fixed-pitch text each, never elided or
// wrapped. The stock delegate would lay every row out as rich item text, the dearest part of
// repainting the list after a load.
class RowListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace alphastop::ui
