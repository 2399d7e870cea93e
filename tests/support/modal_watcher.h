#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

// Watches for modal windows (message boxes, the feedback window) while a test drives the
// program, records each one and closes it, so a test never hangs on a real exec().
class ModalWatcher : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        bool has_icon = false;
    };
    // The action closes the modal window; by default its OK or Close button is clicked.
    using Action = std::function<void(QWidget&)>;

    explicit ModalWatcher(Action action = {});

    const std::vector<Seen>& seen() const { return seen_; }
    // True when a modal window stayed open after its action and had to be closed by force.
    bool stuck() const { return stuck_; }

    static void press_default_button(QWidget& modal);

private:
    void poll();

    Action action_;
    QTimer timer_;
    QPointer<QWidget> current_;
    int polls_on_current_ = 0;
    std::vector<Seen> seen_;
    bool stuck_ = false;
};
