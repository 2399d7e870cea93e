#pragma once

#include <QStyledItemDelegate>

// Draws a table cell's share (a double from 0 to 1 under Qt::UserRole) as a bar with its text
// beside it, never over it, so the text keeps one colour whatever the bar's length.
class ScoreBar : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
