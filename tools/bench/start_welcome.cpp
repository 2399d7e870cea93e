// Starts the way the program starts, up to the first frame of the welcome window.
#include "app/program.h"
#include "first_paint.h"
#include "shell/form_ref.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    report_first_paint();
    prepare_application(app);
    QTimer::singleShot(0, &app, start_program);
    const int status = QApplication::exec();
    FormSlot::discard_all();
    return status;
}
