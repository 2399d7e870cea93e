#pragma once

#include <QStyledItemDelegate>

class QTreeWidget;

// A cell whose text wraps at its column's width. A tree view sizes its rows without the column's
// width, so its own word wrap never makes a row taller; this delegate measures with it.
class WrappedText : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The column's texts wrap at its width: rows grow to fit them, and are laid out again when the
// column's width changes with the window's.
void wrap_column(QTreeWidget& table, int column);
