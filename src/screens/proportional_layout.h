#pragma once

#include <QLayout>
#include <QRect>

#include <vector>

// Keeps every child at its design rectangle scaled by the current size over the design size,
// so that doubling the window doubles every control's left, top, width and height.
class ProportionalLayout : public QLayout {
public:
    // The design size is in twips, like the rectangles given to add().
    explicit ProportionalLayout(QSize design_twips);
    ~ProportionalLayout() override;

    void add(QWidget* widget, QRect design_twips);
    // Code that changes a control's size at run time does it in design units, so that the next
    // resize keeps the change. A control the layout does not hold stops the program.
    int design_height(const QWidget* widget) const;
    void set_design_height(const QWidget* widget, int twips);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        QRect twips;
    };
    const Entry& find(const QWidget* widget) const;
    Entry& find(const QWidget* widget);

    QSize design_;
    std::vector<Entry> entries_;
};

// The proportional layout of a window whose design keeps its controls in proportion. A window
// without one stops the program, as a missing control does.
ProportionalLayout& proportional_layout(const QWidget& window);

// Twips to logical pixels by edges, so that controls that touch in the design still touch.
QRect twips_to_pixels(QRect twips, double scale_x = 1.0, double scale_y = 1.0);
