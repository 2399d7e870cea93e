#include "app/command_line.h"
#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz_options.h"
#include "shell/form_ref.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// Qt finds a window system through one of these; without one no window can open.
bool display_available()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

int refuse_bank_file(int& argc, char** argv, const QString& refusal)
{
    std::fprintf(stderr, "%s\n", refusal.toLocal8Bit().constData());
    if (display_available()) {
        QApplication app(argc, argv);
        prepare_application(app);
        show_bank_refusal(refusal);
    }
    return 1;
}

int print_bank()
{
    load_bank();
    const QByteArray json = bank_json(bank);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("orlin-quiz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORLIN_VERSION));
    const CommandLine line = read_command_line(argc, argv);
    // A bank file is read and checked whole, once, before any window opens.
    if (!line.bank_file.isEmpty()) {
        BankFileRead read = read_bank_file(line.bank_file);
        if (!read.content)
            return refuse_bank_file(argc, argv, read.refusal);
        use_bank_content(std::move(read.content));
    }
    if (line.print_bank)
        return print_bank();
    study_options.review = line.review;
    study_options.minutes = line.minutes;

    QApplication app(argc, argv);
    prepare_application(app);
    // Started from the event loop, so a window that closes itself inside a handler is deleted
    // only after the handler returns.
    QTimer::singleShot(0, &app, start_program);
    const int status = QApplication::exec();
    FormSlot::discard_all();
    return status;
}
