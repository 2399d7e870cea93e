#include "app/program.h"
#include "shell/form_ref.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepare_application(app);
    // Started from the event loop, so a window that closes itself inside a handler is deleted
    // only after the handler returns.
    QTimer::singleShot(0, &app, start_program);
    const int status = QApplication::exec();
    FormSlot::discard_all();
    return status;
}
