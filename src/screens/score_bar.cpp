#include "screens/score_bar.h"

#include <QApplication>
#include <QPainter>

namespace {

// The text column is as wide as the widest text it can hold.
int text_width(const QStyleOptionViewItem& option)
{
    return option.fontMetrics.horizontalAdvance(QStringLiteral("100%")) + 6;
}

} // namespace

void ScoreBar::paint(QPainter* painter, const QStyleOptionViewItem& option,
                     const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);

    const bool selected = item.state & QStyle::State_Selected;
    const QColor ink = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QRect cell = item.rect.adjusted(3, 0, -3, 0);
    const int height = std::min(item.fontMetrics.height() - 2, cell.height() - 4);
    const QRect bar(cell.left(), cell.center().y() - height / 2,
                    std::max(cell.width() - text_width(item), 0), height);
    const double share = std::clamp(index.data(Qt::UserRole).toDouble(), 0.0, 1.0);
    painter->save();
    painter->setPen(ink);
    painter->drawRect(bar.adjusted(0, 0, -1, -1));
    painter->fillRect(
        QRect(bar.topLeft(), QSize(static_cast<int>(bar.width() * share), bar.height())),
        selected ? ink : item.palette.color(QPalette::Highlight));
    painter->drawText(cell.adjusted(bar.width(), 0, 0, 0), Qt::AlignRight | Qt::AlignVCenter,
                      item.text);
    painter->restore();
}

QSize ScoreBar::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    hint.setWidth(text_width(option) + 60);
    return hint;
}
