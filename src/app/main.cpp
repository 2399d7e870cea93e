#include "app/command_line.h"
#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz_options.h"
#include "shell/form_ref.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// Whether a message box would reach a user: on the offscreen and minimal platforms, which tests
// and scripts use, it would wait for a click that never comes; without any display it cannot
// open at all.
bool box_can_be_seen()
{
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (const qsizetype options = platform.indexOf(':'); options >= 0)
        platform.truncate(options);
    if (platform == "offscreen" || platform.startsWith("minimal"))
        return false;
    return !platform.isEmpty() || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// Said on standard error; in a message box too when the program was started to open its windows,
// perhaps from a menu, where standard error goes unread.
int refuse_bank_file(int& argc, char** argv, const QString& refusal, bool windows_wanted)
{
    std::fprintf(stderr, "%s\n", refusal.toLocal8Bit().constData());
    if (windows_wanted && box_can_be_seen()) {
        QApplication app(argc, argv);
        prepare_application(app);
        show_bank_refusal(refusal);
    }
    return 1;
}

// True when the bytes reached standard output whole.
bool write_out(const QByteArray& bytes)
{
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
}

int print_bank()
{
    load_bank();
    return write_out(bank_json(bank)) ? 0 : 1;
}

// Every problem a line, then a count; status 0 only for a bank that can be used.
int check_bank(const QString& path)
{
    const BankFileCheck check = check_bank_file(path);
    QString report;
    for (const QString& problem : check.problems)
        report += problem + QLatin1Char('\n');
    if (check.content)
        report += QStringLiteral("%1: no problems; %2 questions, four quizzes of %3.\n")
                      .arg(path)
                      .arg(check.content->records.size())
                      .arg(questions_per_quiz(static_cast<int>(check.content->records.size())));
    else
        report += QStringLiteral("%1: %2 problem%3; the bank cannot be used.\n")
                      .arg(path)
                      .arg(check.problems.size())
                      .arg(QLatin1String(check.problems.size() == 1 ? "" : "s"));
    return write_out(report.toUtf8()) && check.content ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("orlin-quiz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORLIN_VERSION));
    const CommandLine line = read_command_line(argc, argv);
    if (!line.check_file.isEmpty())
        return check_bank(line.check_file);
    // A bank file is read and checked whole, once, before any window opens.
    if (!line.bank_file.isEmpty()) {
        BankFileRead read = read_bank_file(line.bank_file);
        if (!read.content)
            return refuse_bank_file(argc, argv, read.refusal, !line.print_bank);
        use_bank_content(std::move(read.content));
    }
    if (line.print_bank)
        return print_bank();
    study_options = line.study;

    QApplication app(argc, argv);
    prepare_application(app);
    // Started from the event loop, so a window that closes itself inside a handler is deleted
    // only after the handler returns.
    QTimer::singleShot(0, &app, start_program);
    const int status = QApplication::exec();
    FormSlot::discard_all();
    return status;
}
