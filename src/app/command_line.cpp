#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

const QCommandLineOption bank_option({QStringLiteral("b"), QStringLiteral("bank")},
                                     QStringLiteral("Take the questions from the bank FILE."),
                                     QStringLiteral("FILE"));
const QCommandLineOption check_option(QStringLiteral("check"),
                                      QStringLiteral("List every problem of the bank FILE and "
                                                     "open no window."),
                                      QStringLiteral("FILE"));
const QCommandLineOption help_option({QStringLiteral("h"), QStringLiteral("help")},
                                     QStringLiteral("Displays this help."));
const QCommandLineOption print_option(QStringLiteral("print-bank"),
                                      QStringLiteral("Write the bank as JSON to standard output "
                                                     "and open no window."));

const QCommandLineOption review_option(
    QStringLiteral("review"),
    QStringLiteral("After each quiz, review every answer, see the scores by chapter and retake "
                   "the missed questions."));
const QCommandLineOption study_option(
    QStringLiteral("study"),
    QStringLiteral("Study across days: everything --review does, and a progress record kept in "
                   "the data folder, with scores by chapter, practice by chapter and the "
                   "questions due again."));
const QCommandLineOption record_option(
    QStringLiteral("record"),
    QStringLiteral("Keep the progress record in FILE instead of the data folder; implies "
                   "--study."),
    QStringLiteral("FILE"));
constexpr int most_minutes = 600;

const QCommandLineOption minutes_option(
    QStringLiteral("minutes"),
    QStringLiteral("Give each quiz a time limit of N minutes, 1 to %1; at zero the quiz ends.")
        .arg(most_minutes),
    QStringLiteral("N"));

// A whole number of minutes from 1 to most_minutes; 0 when the text is anything else.
int minutes_of(const QString& text)
{
    bool number = false;
    const int minutes = text.toInt(&number);
    return number && minutes >= 1 && minutes <= most_minutes ? minutes : 0;
}

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("A practice test for a networking certification exam."));
    // Qt's own help option also offers Qt's window-system options, which this program refuses.
    parser.addOption(help_option);
    parser.addVersionOption();
    parser.addOption(bank_option);
    parser.addOption(print_option);
    parser.addOption(check_option);
    parser.addOption(review_option);
    parser.addOption(study_option);
    parser.addOption(record_option);
    parser.addOption(minutes_option);
}

} // namespace

CommandLine read_command_line(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    const bool understood = parser.parse(arguments) && parser.positionalArguments().isEmpty();
    if (!understood || parser.isSet(help_option) || parser.isSet(QStringLiteral("version"))) {
        // The parser writes help, version and errors itself, once it has an application.
        const QCoreApplication console(argc, argv);
        parser.process(console);
        if (parser.isSet(help_option))
            parser.showHelp(EXIT_SUCCESS);
        // Left: an argument that is no option, which the parser itself accepts.
        std::fprintf(stderr, "%s: Unexpected argument '%s'.\n",
                     qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.positionalArguments().constFirst()));
        std::exit(EXIT_FAILURE);
    }
    const bool study = parser.isSet(study_option) || parser.isSet(record_option);
    CommandLine line{parser.value(bank_option),
                     parser.isSet(print_option),
                     parser.value(check_option),
                     {parser.isSet(review_option) || study, 0, study, parser.value(record_option)}};
    if (parser.isSet(minutes_option)) {
        line.study.minutes = minutes_of(parser.value(minutes_option));
        if (line.study.minutes == 0) {
            std::fprintf(stderr, "%s: --minutes takes a whole number from 1 to %d, not '%s'.\n",
                         qPrintable(QCoreApplication::applicationName()), most_minutes,
                         qPrintable(parser.value(minutes_option)));
            std::exit(EXIT_FAILURE);
        }
    }
    return line;
}
