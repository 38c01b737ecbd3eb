// Draws a list item with its E° right-aligned in a column of its own at the
// right edge of the list, for the main screen's "Show potentials".
#include "potential_column.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

namespace galvix::ui {

namespace {

constexpr int kGap = 12; // between an item's text and the column
// The widest potential the column makes room for.
constexpr const char* kWidestPotential = "-10.0000 V";

} // namespace

PotentialColumn::PotentialColumn(QListWidget* list) : QStyledItemDelegate(list), list_(list) {
    list->setItemDelegate(this);
}

void PotentialColumn::setShown(bool shown) {
    shown_ = shown;
    list_->doItemsLayout();
    list_->viewport()->update();
}

int PotentialColumn::columnWidth() const {
    return list_->fontMetrics().horizontalAdvance(kWidestPotential);
}

QRect PotentialColumn::columnRect(const QRect& itemRect) const {
    const int right = list_->viewport()->width() - kGap / 2;
    return QRect(right - columnWidth(), itemRect.top(), columnWidth(), itemRect.height());
}

void PotentialColumn::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    if (!shown_) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The whole row takes the selection; the text stops before the column.
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QString text = row.text;
    const QRect column = columnRect(option.rect);
    row.rect.setRight(std::max(option.rect.right(), list_->viewport()->width() - 1));
    row.text.clear();
    QStyle* style = list_->style();
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, list_);
    QStyleOptionViewItem textPart = row;
    textPart.text = text;
    textPart.rect.setRight(column.left() - kGap);
    textPart.state &= ~QStyle::State_HasFocus;
    textPart.backgroundBrush = Qt::NoBrush;
    textPart.showDecorationSelected = false;
    textPart.state &= ~QStyle::State_Selected;
    textPart.palette.setColor(QPalette::Text, (option.state & QStyle::State_Selected)
                                                  ? option.palette.color(QPalette::HighlightedText)
                                                  : option.palette.color(QPalette::Text));
    style->drawControl(QStyle::CE_ItemViewItem, &textPart, painter, list_);
    painter->save();
    painter->setFont(list_->font());
    painter->setPen(textPart.palette.color(QPalette::Text));
    painter->drawText(column, Qt::AlignRight | Qt::AlignVCenter,
                      index.data(kPotentialRole).toString());
    painter->restore();
}

} // namespace galvix::ui
