#include "ui/main/RowListDelegate.h"

#include <QFontMetrics>
#include <QPainter>

namespace alphastop::ui {

void RowListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette::ColorGroup group =
      option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  painter->setPen(
      option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(option.font);
  const QFontMetrics metrics(option.font);
  const int baseline =
      option.rect.top() + (option.rect.height() + metrics.ascent() - metrics.descent()) / 2;
  painter->drawText(QPoint(option.rect.left() + 2, baseline),
                    index.data(Qt::DisplayRole).toString());
}

}  // namespace alphastop::ui
