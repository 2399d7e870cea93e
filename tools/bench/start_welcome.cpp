// Starts the way the program starts, up to the first frame of the welcome window; with the
// argument "study", as --study starts it, on a record of its own.
#include "app/program.h"
#include "first_paint.h"
#include "quiz/quiz_options.h"
#include "shell/form_ref.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    report_first_paint();
    const QTemporaryDir dir;
    if (QCoreApplication::arguments().value(1) == QLatin1String("study"))
        study_options = {true, 0, true, dir.filePath(QStringLiteral("progress.sqlite3"))};
    prepare_application(app);
    QTimer::singleShot(0, &app, start_program);
    const int status = QApplication::exec();
    FormSlot::discard_all();
    return status;
}
