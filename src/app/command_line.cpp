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
    return {parser.value(bank_option), parser.isSet(print_option), parser.value(check_option)};
}
