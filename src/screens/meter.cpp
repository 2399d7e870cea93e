#include "screens/meter.h"

#include <QAccessible>

Meter::Meter(QWidget* parent) : QWidget(parent) {}

void Meter::set_percent(int percent)
{
    percent_ = percent;
    QAccessibleValueChangeEvent event(this, percent);
    QAccessible::updateAccessibility(&event);
}
