#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace meridex {

// Item data role holding a row's origin (kOriginCustom or kOriginDatabase).
inline constexpr int kOriginRole = Qt::UserRole + 1;

struct RowColors {
  QColor text;
  QColor background;
};

// The colours of an All Cities List row: the highlight when selected,
// otherwise red on silver for the user's own locations and the normal text
// colours for the database's.
RowColors CityRowColors(int origin, bool selected, const QPalette& palette);

// Rows drawn as usual but at a fixed height.
class FixedRowDelegate : public QStyledItemDelegate {
 public:
  explicit FixedRowDelegate(int rowHeight, QObject* parent = nullptr)
      : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
  }

 private:
  int rowHeight_;
};

// Draws All Cities List rows in those colours, the check box first, at the
// fixed row height.
class CityRowDelegate : public QStyledItemDelegate {
 public:
  explicit CityRowDelegate(int rowHeight, QObject* parent = nullptr)
      : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int rowHeight_;
};

}  // namespace meridex
