#include "support/modal_watcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

ModalWatcher::ModalWatcher(Action action) : action_(action ? action : press_default_button)
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start(5);
}

void ModalWatcher::press_default_button(QWidget& modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        box->button(QMessageBox::Ok)->click();
        return;
    }
    if (auto* close = modal.findChild<QPushButton*>(QStringLiteral("Closeb")))
        close->click();
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (modal == current_) {
        // Give the action 2 s; a window still open then is a fault of the program.
        if (++polls_on_current_ > 400) {
            stuck_ = true;
            modal->close();
        }
        return;
    }
    current_ = modal;
    polls_on_current_ = 0;
    Seen seen{modal->windowTitle(), {}, false};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.text = box->text();
        seen.has_icon = box->icon() != QMessageBox::NoIcon;
    } else if (auto* text = modal->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))) {
        seen.text = text->toPlainText();
    }
    seen_.push_back(seen);
    action_(*modal);
}
