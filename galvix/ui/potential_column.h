// Draws a list item with its E° right-aligned in a column of its own at the
// right edge of the list, for the main screen's "Show potentials".
#pragma once

#include <QStyledItemDelegate>

class QListWidget;

namespace galvix::ui {

// The item data role that holds the potential text of a list item.
inline constexpr int kPotentialRole = Qt::UserRole + 1;

class PotentialColumn : public QStyledItemDelegate {
  public:
    explicit PotentialColumn(QListWidget* list);

    // Shows or hides the column; hidden, items are drawn as without it.
    void setShown(bool shown);
    bool shown() const { return shown_; }
    // The column's rectangle beside an item's rectangle, in the list's viewport.
    QRect columnRect(const QRect& itemRect) const;

    // Shown, the item's text is cut short before the column.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    int columnWidth() const;

    QListWidget* list_;
    bool shown_ = false;
};

} // namespace galvix::ui
