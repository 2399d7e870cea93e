#include "screens/proportional_layout.h"

#include "screens/design.h"

#include <QWidget>

#include <cmath>
#include <utility>

QRect twips_to_pixels(QRect twips, double scale_x, double scale_y)
{
    const auto edge = [](int value, double scale) {
        return static_cast<int>(std::lround(value * scale / twips_per_pixel));
    };
    const int x = edge(twips.x(), scale_x);
    const int y = edge(twips.y(), scale_y);
    const int right = edge(twips.x() + twips.width(), scale_x);
    const int bottom = edge(twips.y() + twips.height(), scale_y);
    return {x, y, right - x, bottom - y};
}

ProportionalLayout::ProportionalLayout(QSize design_twips) : design_(design_twips)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

ProportionalLayout::~ProportionalLayout()
{
    for (const auto& entry : entries_)
        delete entry.item;
}

void ProportionalLayout::add(QWidget* widget, QRect design_twips)
{
    entries_.push_back({new QWidgetItem(widget), design_twips});
    invalidate();
}

const ProportionalLayout::Entry& ProportionalLayout::find(const QWidget* widget) const
{
    for (const auto& entry : entries_) {
        if (entry.item->widget() == widget)
            return entry;
    }
    const QWidget* window = parentWidget();
    qFatal("the proportional layout of %s holds no control %s",
           qPrintable(window ? window->objectName() : QStringLiteral("a window")),
           qPrintable(widget ? widget->objectName() : QStringLiteral("(null)")));
}

ProportionalLayout::Entry& ProportionalLayout::find(const QWidget* widget)
{
    return const_cast<Entry&>(std::as_const(*this).find(widget));
}

int ProportionalLayout::design_height(const QWidget* widget) const
{
    return find(widget).twips.height();
}

void ProportionalLayout::set_design_height(const QWidget* widget, int twips)
{
    find(widget).twips.setHeight(twips);
    setGeometry(geometry());
}

ProportionalLayout& proportional_layout(const QWidget& window)
{
    auto* layout = dynamic_cast<ProportionalLayout*>(window.layout());
    if (!layout)
        qFatal("%s keeps no controls in proportion", qPrintable(window.objectName()));
    return *layout;
}

void ProportionalLayout::addItem(QLayoutItem* item)
{
    entries_.push_back({item, QRect()});
}

QLayoutItem* ProportionalLayout::itemAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return entries_[static_cast<std::size_t>(index)].item;
}

QLayoutItem* ProportionalLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    const auto it = entries_.begin() + index;
    QLayoutItem* item = it->item;
    entries_.erase(it);
    return item;
}

int ProportionalLayout::count() const
{
    return static_cast<int>(entries_.size());
}

QSize ProportionalLayout::sizeHint() const
{
    return twips_to_pixels(QRect(QPoint(0, 0), design_)).size();
}

QSize ProportionalLayout::minimumSize() const
{
    return {0, 0};
}

void ProportionalLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    // A frame gives its layout only the area under its caption, but the design places the
    // frame's controls from its top-left corner, over its whole size.
    const QRect area = parentWidget() ? parentWidget()->rect() : rect;
    const QSize design = sizeHint();
    const double scale_x = static_cast<double>(area.width()) / design.width();
    const double scale_y = static_cast<double>(area.height()) / design.height();
    // Widgets are placed directly: a QWidgetItem would apply size policies and skip hidden ones.
    for (const auto& entry : entries_) {
        if (QWidget* widget = entry.item->widget())
            widget->setGeometry(
                twips_to_pixels(entry.twips, scale_x, scale_y).translated(area.topLeft()));
    }
}
