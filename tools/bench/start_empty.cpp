// The baselines for start-up: an empty Qt window, or with `label` a window with one line of text,
// started the same way as the program.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    report_first_paint();
    const bool with_text = QCoreApplication::arguments().contains(QStringLiteral("label"));
    std::unique_ptr<QWidget> window;
    QTimer::singleShot(0, &app, [&window, with_text] {
        if (with_text)
            window = std::make_unique<QLabel>(QStringLiteral("Orlin Quiz 1.3"));
        else
            window = std::make_unique<QWidget>();
        // About the size of the welcome window.
        window->resize(612, 400);
        window->show();
    });
    return QApplication::exec();
}
