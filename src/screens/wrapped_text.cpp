#include "screens/wrapped_text.h"

#include <QHeaderView>
#include <QTreeView>
#include <QTreeWidget>

QSize WrappedText::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    // The style wraps only within a valid rectangle: any height will do.
    if (const auto* view = qobject_cast<const QTreeView*>(option.widget))
        item.rect = QRect(0, 0, view->header()->sectionSize(index.column()), 1);
    item.features |= QStyleOptionViewItem::WrapText;
    return QStyledItemDelegate::sizeHint(item, index);
}

void wrap_column(QTreeWidget& table, int column)
{
    table.setWordWrap(true);
    table.setUniformRowHeights(false);
    table.setItemDelegateForColumn(column, new WrappedText(&table));
    QObject::connect(table.header(), &QHeaderView::sectionResized, &table,
                     [&table] { table.doItemsLayout(); });
}
