// The manual page's OPTIONS against what --help prints: an option in one and not the other fails.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// "--bank FILE", "-b FILE", "--help", ...: every spelling of an option with its value's name.
using Options = QSet<QString>;

void add_entry(Options& options, const QString& names, const QString& value)
{
    static const QRegularExpression name(QStringLiteral("(?:^|[\\s,])(--?[A-Za-z][\\w-]*)"));
    for (const QRegularExpressionMatch& match : name.globalMatch(names))
        options.insert(value.isEmpty() ? match.captured(1) : match.captured(1) + u' ' + value);
}

// Qt's help lists an option as "  -b, --bank <FILE>  Take ...".
Options help_options(const QString& help)
{
    static const QRegularExpression entry(QStringLiteral("^  (-[^<]*?)(?: <(\\w+)>)?(?:  |$)"),
                                          QRegularExpression::MultilineOption);
    Options options;
    for (const QRegularExpressionMatch& match : entry.globalMatch(help))
        add_entry(options, match.captured(1), match.captured(2));
    return options;
}

// The page's OPTIONS section gives each option as the tag line after a .TP, such as
// .BR \-b ", " \-\-bank " \fIFILE\fR"
Options page_options(const QString& page)
{
    static const QRegularExpression macro(QStringLiteral("^\\.[A-Z]+\\s"));
    static const QRegularExpression fonts(QStringLiteral("\\\\f[BIRP]|\""));
    static const QRegularExpression value(QStringLiteral("\\s([A-Z]+)\\s*$"));
    Options options;
    bool in_options = false;
    const QStringList lines = page.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String(".SH")))
            in_options = lines[i].simplified() == QLatin1String(".SH OPTIONS");
        if (!in_options || lines[i].trimmed() != QLatin1String(".TP") || i + 1 == lines.size())
            continue;
        QString tag = lines[i + 1];
        tag.remove(macro).remove(fonts).replace(QLatin1String("\\-"), QLatin1String("-"));
        add_entry(options, tag, value.match(tag).captured(1));
    }
    return options;
}

QStringList sorted(const Options& options)
{
    QStringList list = options.values();
    list.sort();
    return list;
}

} // namespace

class TestManualPage : public QObject {
    Q_OBJECT

private slots:
    void page_lists_the_options_of_help()
    {
        QProcess program;
        program.start(QStringLiteral(ORLIN_QUIZ_BINARY), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const Options help = help_options(QString::fromUtf8(program.readAllStandardOutput()));
        QVERIFY(help.contains(QStringLiteral("--help")));

        QFile file(QStringLiteral(ORLIN_SOURCE_DIR "/packaging/orlin-quiz.1"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Options page = page_options(QString::fromUtf8(file.readAll()));

        const QString message = QStringLiteral("only in --help: %1; only in the page: %2")
                                    .arg(sorted(help - page).join(QLatin1String(", ")),
                                         sorted(page - help).join(QLatin1String(", ")));
        QVERIFY2(help == page, qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestManualPage)
#include "test_manual_page.moc"
