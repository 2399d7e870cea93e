#pragma once

#include <QWidget>

// A picture box that stands for a percentage, such as the score gauge: it draws nothing of its
// own, but screen readers read it as a progress bar with that value.
class Meter : public QWidget {
    Q_OBJECT
public:
    explicit Meter(QWidget* parent = nullptr);

    int percent() const { return percent_; }
    void set_percent(int percent);

private:
    int percent_ = 0;
};
