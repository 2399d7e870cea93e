#include "screens/progress_plot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int gap = 6;

} // namespace

ProgressPlot::ProgressPlot(QWidget* parent) : QWidget(parent)
{
    // Tab reaches it, so that a screen reader reads its figures out.
    setFocusPolicy(Qt::TabFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ProgressPlot::set_series(std::vector<Series> series)
{
    series_ = std::move(series);
    updateGeometry();
    update();
}

// A row a chapter, each tall enough for its name and a line that can be told from flat.
QSize ProgressPlot::sizeHint() const
{
    const int rows = std::max(static_cast<int>(series_.size()), 3);
    return {240, rows * 2 * fontMetrics().height() + gap};
}

QSize ProgressPlot::minimumSizeHint() const
{
    const int rows = std::max(static_cast<int>(series_.size()), 3);
    return {160, rows * (fontMetrics().height() + 2) + gap};
}

void ProgressPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    if (series_.empty()) {
        painter.drawText(rect().adjusted(gap, gap, -gap, -gap), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("No answers yet"));
        return;
    }
    const int row_height =
        std::max((height() - gap) / static_cast<int>(series_.size()), metrics.height() / 2);
    const int name_width =
        std::min(width() / 3, metrics.horizontalAdvance(QStringLiteral("Chapter 10")) + 2 * gap);
    const int figure_width = metrics.horizontalAdvance(QStringLiteral("100%")) + gap;
    const QColor ink = palette().color(QPalette::Text);
    const QColor line = palette().color(QPalette::Highlight);
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const Series& series = series_[i];
        const QRect row(0, gap / 2 + static_cast<int>(i) * row_height, width(), row_height);
        const QRect name(row.left() + gap, row.top(), name_width - gap, row.height());
        const QRect figure(row.right() - figure_width, row.top(), figure_width - gap, row.height());
        const QRect chart(name.right() + gap, row.top() + 3, figure.left() - name.right() - 2 * gap,
                          row.height() - 6);
        painter.setPen(ink);
        painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(series.name, Qt::ElideRight, name.width()));
        if (series.percents.empty())
            continue;
        painter.drawText(figure, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1%").arg(series.percents.back()));
        // The chart's frame marks 0 and 100; one attempt is a dot, more a line.
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(chart);
        const auto point = [&](std::size_t k) {
            const double x =
                series.percents.size() == 1
                    ? chart.center().x()
                    : chart.left() + chart.width() * static_cast<double>(k) /
                                         static_cast<double>(series.percents.size() - 1);
            const double y = chart.bottom() - chart.height() * series.percents[k] / 100.0;
            return QPointF(x, y);
        };
        painter.setPen(QPen(line, 2));
        QPainterPath path(point(0));
        for (std::size_t k = 1; k < series.percents.size(); ++k)
            path.lineTo(point(k));
        painter.drawPath(path);
        painter.setBrush(line);
        painter.drawEllipse(point(series.percents.size() - 1), 2.5, 2.5);
        painter.setBrush(Qt::NoBrush);
    }
}
