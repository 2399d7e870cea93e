#pragma once

#include <QString>
#include <QWidget>

#include <vector>

// Each chapter's percent right across attempts, a line a row, oldest on the left, with its latest
// figure beside it: a student sees at a glance which chapters climb and which stay low.
class ProgressPlot : public QWidget {
    Q_OBJECT
public:
    struct Series {
        QString name;
        std::vector<int> percents; // oldest first, 0 to 100
    };

    explicit ProgressPlot(QWidget* parent = nullptr);

    void set_series(std::vector<Series> series);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Series> series_;
};
