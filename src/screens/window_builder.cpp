#include "screens/window_builder.h"

#include "screens/answer_button.h"
#include "screens/command_button.h"
#include "screens/meter.h"
#include "screens/progress_plot.h"
#include "screens/proportional_layout.h"
#include "screens/stretched_image.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTreeWidget>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

QFont make_font(const FontDesign& design)
{
    QFont font(QString::fromLatin1(design.family));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

void set_colours(QWidget& widget, const ControlDesign& design, QPalette::ColorRole back_role,
                 QPalette::ColorRole fore_role)
{
    QPalette palette = widget.palette();
    if (design.back) {
        palette.setColor(back_role, QColor::fromRgb(*design.back));
        widget.setAutoFillBackground(true);
    }
    if (design.fore)
        palette.setColor(fore_role, QColor::fromRgb(*design.fore));
    widget.setPalette(palette);
}

QWidget* make_text_box(const ControlDesign& design, QWidget* parent)
{
    const QString text = QString::fromUtf8(design.caption ? design.caption : "");
    if (!(design.flags & MultiLine)) {
        auto* box = new QLineEdit(text, parent);
        box->setFrame(!(design.flags & NoBorder));
        // Text at the top, where a label beside it at the same top has its own; a line edit
        // centres it and keeps a pixel above it.
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setTextMargins(0, -1, 0, 0);
        box->setReadOnly(design.flags & Locked);
        set_colours(*box, design, QPalette::Base, QPalette::Text);
        return box;
    }
    auto* box = new QPlainTextEdit(text, parent);
    box->setVerticalScrollBarPolicy((design.flags & VerticalScroll) ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setReadOnly(design.flags & Locked);
    // Tab moves the focus on, as in any form, rather than typing a tab character.
    box->setTabChangesFocus(true);
    if (design.flags & NoBorder) {
        box->setFrameShape(QFrame::NoFrame);
        // A narrow inner margin, as a label has, so that two lines fit a box designed for two.
        box->document()->setDocumentMargin(2);
    }
    set_colours(*box, design, QPalette::Base, QPalette::Text);
    return box;
}

QWidget* make_line(const ControlDesign& design, QWidget* parent)
{
    auto* line = new QWidget(parent);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(design.fore.value_or(black)));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

QWidget* make_control(const ControlDesign& design, QWidget* parent)
{
    const QString caption = QString::fromUtf8(design.caption ? design.caption : "");
    switch (design.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        set_colours(*label, design, QPalette::Window, QPalette::WindowText);
        return label;
    }
    case ControlKind::TextBox:
        return make_text_box(design, parent);
    case ControlKind::CommandButton:
        return new CommandButton(caption, parent);
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(caption, parent);
        box->setChecked(design.flags & Checked);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* button = new QRadioButton(caption, parent);
        button->setChecked(design.flags & Checked);
        return button;
    }
    case ControlKind::Frame: {
        // The caption sits on the frame's top line, so controls placed from the frame's corner
        // start below it, as the designs expect.
        auto* frame = new QGroupBox(caption, parent);
        frame->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
        return frame;
    }
    case ControlKind::Image: {
        auto* image = new StretchedImage(parent);
        if (design.picture)
            image->load_picture(QString::fromLatin1(design.picture));
        return image;
    }
    case ControlKind::PictureBox: {
        QWidget* box = (design.flags & Percentage) ? new Meter(parent) : new QWidget(parent);
        set_colours(*box, design, QPalette::Window, QPalette::WindowText);
        return box;
    }
    case ControlKind::Line:
        return make_line(design, parent);
    case ControlKind::AnswerButton: {
        auto* button = new AnswerButton(parent);
        button->setText(caption);
        return button;
    }
    case ControlKind::Table: {
        auto* table = new QTreeWidget(parent);
        table->setHeaderLabels(caption.split(QLatin1Char('|')));
        table->setRootIsDecorated(false);
        table->setUniformRowHeights(true);
        table->setAllColumnsShowFocus(true);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        // Every column in sight: a window says which columns stretch.
        table->header()->setStretchLastSection(false);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return table;
    }
    case ControlKind::SpinBox:
        return new QSpinBox(parent);
    case ControlKind::Plot:
        return new ProgressPlot(parent);
    }
    return nullptr;
}

// A line is given by its end points; it is drawn one pixel thick.
QRect design_rect(const ControlDesign& design)
{
    if (design.kind != ControlKind::Line)
        return {design.left, design.top, design.width, design.height};
    const int x1 = std::min(design.left, design.width);
    const int y1 = std::min(design.top, design.height);
    const int x2 = std::max(design.left, design.width);
    const int y2 = std::max(design.top, design.height);
    return {x1, y1, std::max(x2 - x1, twips_per_pixel), std::max(y2 - y1, twips_per_pixel)};
}

bool draws_on_surface(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Line;
}

bool takes_focus(ControlKind kind)
{
    return !draws_on_surface(kind) && kind != ControlKind::Frame && kind != ControlKind::PictureBox;
}

bool is_grid(const WindowDesign& design)
{
    return !design.column_stretch.empty();
}

// Rows and columns take the space left over by their stretch; controls that share a cell sit in a
// row of their own, with the space left over after them.
class GridPlacer {
public:
    explicit GridPlacer(QWidget& window, const WindowDesign& design)
        : grid_(new QGridLayout(&window))
    {
        for (std::size_t row = 0; row < design.row_stretch.size(); ++row)
            grid_->setRowStretch(static_cast<int>(row), design.row_stretch[row]);
        for (std::size_t column = 0; column < design.column_stretch.size(); ++column)
            grid_->setColumnStretch(static_cast<int>(column), design.column_stretch[column]);
    }

    void place(QWidget* widget, const ControlDesign& design)
    {
        const QSize least = twips_to_pixels(QRect(0, 0, design.width, design.height)).size();
        if (design.flags & FixedWidth)
            widget->setFixedWidth(least.width());
        widget->setMinimumSize(widget->minimumSize().expandedTo(least));
        const GridCell& cell = design.cell;
        const auto key = std::pair(cell.row, cell.column);
        if (const auto row = rows_.find(key); row != rows_.end()) {
            row->second->insertWidget(row->second->count() - 1, widget);
            return;
        }
        if (const auto first = singles_.find(key); first != singles_.end()) {
            auto* row = new QHBoxLayout;
            grid_->removeWidget(first->second);
            row->addWidget(first->second);
            row->addWidget(widget);
            row->addStretch();
            grid_->addLayout(row, cell.row, cell.column, cell.rows, cell.columns);
            rows_[key] = row;
            singles_.erase(first);
            return;
        }
        grid_->addWidget(widget, cell.row, cell.column, cell.rows, cell.columns);
        singles_[key] = widget;
    }

private:
    QGridLayout* grid_;
    std::map<std::pair<int, int>, QWidget*> singles_;
    std::map<std::pair<int, int>, QHBoxLayout*> rows_;
};

} // namespace

QString control_name(const char* name, int index)
{
    const QString base = QString::fromLatin1(name);
    return index > 0 ? base + QLatin1Char('_') + QString::number(index) : base;
}

QString control_name(const ControlDesign& control)
{
    return control_name(control.name, control.index);
}

void build_window(QWidget& window, const WindowDesign& design)
{
    window.setObjectName(QString::fromLatin1(design.name));
    window.setWindowTitle(QString::fromUtf8(design.title));
    window.setFont(make_font(design.font));
    if (design.back) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(*design.back));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    QSize client = twips_to_pixels(QRect(0, 0, design.client_width, design.client_height)).size();
    if (is_grid(design) && window.screen()) {
        // Room for a frame and a panel: the window's own frame is known only once it is shown.
        const QSize room = window.screen()->availableSize() - QSize(16, 48);
        client = client.boundedTo(room);
    }
    window.resize(client);
    if (design.frame == FrameStyle::FixedDialog) {
        window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        window.setFixedSize(client);
    }

    std::map<QString, QWidget*> frames;
    std::map<QWidget*, ProportionalLayout*> layouts;
    const auto layout_for = [&](QWidget* container, QSize design_twips) {
        auto& layout = layouts[container];
        if (!layout)
            layout = new ProportionalLayout(design_twips);
        return layout;
    };

    std::optional<GridPlacer> grid;
    if (is_grid(design))
        grid.emplace(window, design);
    std::vector<std::pair<int, QWidget*>> tab_order;
    std::vector<QWidget*> surface;
    for (const ControlDesign& control : design.controls) {
        QWidget* parent = &window;
        if (control.parent) {
            const auto frame = frames.find(QString::fromLatin1(control.parent));
            // Frames come before the controls they hold in every design.
            if (frame == frames.end())
                qFatal("%s places %s in %s, which is no frame built before it", design.name,
                       qPrintable(control_name(control)), control.parent);
            parent = frame->second;
        }
        QWidget* widget = make_control(control, parent);
        widget->setObjectName(control_name(control));
        if (control.accessible)
            widget->setAccessibleName(QString::fromUtf8(control.accessible));
        // Set on every control: inside a frame's style sheet a control would otherwise fall back to
        // the application's font rather than the window's.
        widget->setFont(make_font(control.font.family ? control.font : design.font));
        const QRect rect = design_rect(control);
        if (grid)
            grid->place(widget, control);
        else
            widget->setGeometry(twips_to_pixels(rect));
        if (control.flags & Hidden)
            widget->setVisible(false);
        if (control.kind == ControlKind::Frame)
            frames[widget->objectName()] = widget;
        if (draws_on_surface(control.kind))
            surface.push_back(widget);
        if (takes_focus(control.kind) && control.tab >= 0)
            tab_order.emplace_back(control.tab, widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
        if (design.resize) {
            const QSize container = parent == &window
                                        ? QSize(design.client_width, design.client_height)
                                        : parent->property("design_twips").toSize();
            layout_for(parent, container)->add(widget, rect);
        }
        if (control.kind == ControlKind::Frame)
            widget->setProperty("design_twips", rect.size());
    }
    for (auto& [container, layout] : layouts)
        container->setLayout(layout);
    for (QWidget* widget : surface)
        widget->lower();

    std::stable_sort(tab_order.begin(), tab_order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tab_order.size(); ++i)
        QWidget::setTabOrder(tab_order[i - 1].second, tab_order[i].second);
    // The window opens with the focus on the first control of the tab order; the chain alone
    // would start wherever the first created control ended up in it.
    if (!tab_order.empty())
        tab_order.front().second->setFocus();
}

void install_font_substitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}
