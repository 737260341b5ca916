#pragma once
#include <QStyledItemDelegate>

namespace alphastop::ui {

// Paints the rows of the table list: one line of fixed-pitch text each, never elided or
// wrapped. The stock delegate lays every row out as rich item text, which made repainting
// the list the largest part of a load.
class RowListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace alphastop::ui
