#include "screens/accessible_views.h"

#include "screens/meter.h"
#include "screens/stretched_image.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// The name says what the label shows ("Score"); its text, read as the value, says how much.
class ValueLabelView : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueLabelView(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? value() : QAccessibleWidget::text(kind);
    }

    // The text read-only and whole: no caret, no selection, no geometry of single letters.
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(value().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QString value() const { return static_cast<const QLabel*>(object())->text(); }
};

class MeterView : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit MeterView(Meter* meter) : QAccessibleWidget(meter, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(meter().percent()) + QLatin1Char('%');
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return meter().percent(); }
    // The value follows the score; nobody sets it from outside.
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const Meter& meter() const { return *static_cast<const Meter*>(object()); }
};

class ImageView : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit ImageView(StretchedImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString imageDescription() const override { return widget()->accessibleDescription(); }
    QSize imageSize() const override { return widget()->size(); }
    QPoint imagePosition() const override { return widget()->mapToGlobal(QPoint(0, 0)); }
};

// A plain widget window reads as a filler; screen readers announce frames and dialogs by name.
class WindowView : public QAccessibleWidget {
public:
    explicit WindowView(QWidget* window) : QAccessibleWidget(window) {}

    QAccessible::Role role() const override
    {
        return widget()->isModal() ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface* make_view(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("QLabel")) {
        auto* label = static_cast<QLabel*>(object);
        return label->accessibleName().isEmpty() ? nullptr : new ValueLabelView(label);
    }
    if (class_name == QLatin1String("Meter"))
        return new MeterView(static_cast<Meter*>(object));
    if (class_name == QLatin1String("StretchedImage"))
        return new ImageView(static_cast<StretchedImage*>(object));
    if (class_name == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new WindowView(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void install_accessible_views()
{
    QAccessible::installFactory(make_view);
}
