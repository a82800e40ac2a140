#include "worldtime/city_row_delegate.h"

#include <QApplication>
#include <QPainter>

#include "worldtime/city_table.h"

namespace meridex {

RowColors CityRowColors(int origin, bool selected, const QPalette& palette) {
  if (selected)
    return {palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)};
  if (origin == kOriginCustom) return {QColor(Qt::red), QColor(192, 192, 192)};
  return {palette.color(QPalette::ButtonText), palette.color(QPalette::Base)};
}

void CityRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  const bool selected = opt.state.testFlag(QStyle::State_Selected);
  const RowColors colors = CityRowColors(index.data(kOriginRole).toInt(), selected, opt.palette);

  painter->save();
  painter->fillRect(opt.rect, colors.background);
  QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
  const QRect check =
      style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, opt.widget);
  QStyleOptionViewItem box(opt);
  box.rect = check;
  box.state = box.state & ~QStyle::State_HasFocus;
  box.state |= opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
  style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, opt.widget);

  const QRect text = opt.rect.adjusted(check.right() + 3 - opt.rect.left(), 0, 0, 0);
  painter->setFont(opt.font);
  painter->setPen(colors.text);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, opt.text);
  if (opt.state.testFlag(QStyle::State_HasFocus)) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(opt);
    focus.backgroundColor = colors.background;
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, opt.widget);
  }
  painter->restore();
}

QSize CityRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(rowHeight_);
  return size;
}

}  // namespace meridex
