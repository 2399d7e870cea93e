// Question banks from files: every refusal, what a good file gives, --check, and the example
// banks.
#include "app/program.h"
#include "bank/aiken_file.h"
#include "bank/gift_file.h"
#include "bank/question_bank.h"
#include "bank/xml_file.h"
#include "quiz/quiz.h"
#include "screens/answer_button.h"
#include "screens/stretched_image.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

using namespace quiz_driver;

namespace {

// A bank of `count` records, the first with the given fields in place of a good record's, and
// the given fields at the top.
QByteArray bank_text(int count, const char* first_fields = "", const char* top_fields = "")
{
    const QByteArray good = R"("question_text": "Which layer routes packets?",
        "choice_text": ["Network", "Transport", "", "", "", ""],
        "choice_correct": [1, 0, 0, 0, 0, 0])";
    QJsonObject first = QJsonDocument::fromJson("{" + good + "}").object();
    const QJsonObject changes =
        QJsonDocument::fromJson(QByteArray("{") + first_fields + "}").object();
    for (auto field = changes.begin(); field != changes.end(); ++field)
        first.insert(field.key(), field.value());
    QJsonObject root = QJsonDocument::fromJson(QByteArray("{") + top_fields + "}").object();
    root.insert(QLatin1String("test_title"), "Lab");
    QJsonArray records{first};
    for (int n = 2; n <= count; ++n)
        records.append(QJsonDocument::fromJson("{" + good + "}").object());
    root.insert(QLatin1String("records"), records);
    return QJsonDocument(root).toJson();
}

// The program itself, with no window system: what it writes and how it ends.
struct Run {
    int status;
    QByteArray out;
    QByteArray err;
};

// With no platform given, no window system at all; a run that does not end is stopped (-1).
Run run_program(const QStringList& arguments, const QString& platform = {})
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORLIN_QUIZ_BINARY), arguments);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        return {-1, {}, {}};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAllStandardOutput(), program.readAllStandardError()};
}

// A record in brief: question | type | choices, + right and - not | explanation | topic.
QString brief(const QuestionRecord& record)
{
    QStringList choices;
    for (std::size_t i = 1; i <= 6 && !record.choice_text[i].isEmpty(); ++i)
        choices << (record.choice_correct[i] ? "+" : "-") + record.choice_text[i];
    return QStringList{record.question_text, record.question_type, choices.join(' '),
                       record.explanation, record.topic}
        .join(QLatin1String(" | "));
}

} // namespace

class TestBankFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepare_test_app();
        QVERIFY(dir_.isValid());
    }

    void cleanup()
    {
        tear_down_windows();
        use_bank_content(std::nullopt);
    }

    void every_fault_refuses_the_whole_file_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("read_as_text");
        const auto row = [](const char* name, const QByteArray& text, const char* reason) {
            QTest::newRow(name) << text << QString::fromUtf8(reason) << true;
        };
        QTest::newRow("larger than 16 MiB") << QByteArray(max_bank_file_size + 1, ' ')
                                            << QStringLiteral("it is larger than 16 MiB") << false;
        QTest::newRow("not UTF-8") << QByteArray("{\"test_title\": \"\xff\"}")
                                   << QStringLiteral("it is not valid UTF-8 text") << false;
        row("not JSON", "{\"records\": [}", "it is not valid JSON (a value is missing at byte 14)");
        row("a line break inside a text", "{\"test_title\": \"a\nb\"}",
            "it is not valid JSON (a control character stands unescaped in a text at byte 18)");
        row("more after the JSON value", "{\"records\": []} x",
            "it is not valid JSON (more follows the JSON value at byte 17)");
        row("unknown field", bank_text(4, "", R"("title": "x")"),
            "it has an unknown field \"title\"");
        row("no records", "{\"test_title\": \"x\"}", "it has no list of records");
        row("a text of the wrong type", bank_text(4, R"("question_text": 5)"),
            "in record 1, question_text is not a text");
        row("a list of the wrong length", bank_text(4, R"("diagram_file": ["", ""])"),
            "in record 1, diagram_file has 2 entries instead of 3");
        row("a flag other than 0 or 1", bank_text(4, R"("choice_correct": [1, 2, 0, 0, 0, 0])"),
            "in record 1, the flag of choice B in choice_correct is not 0 or 1");
        row("a flag on a blank choice", bank_text(4, R"("choice_correct": [1, 0, 0, 0, 1, 0])"),
            "in record 1, choice E is marked correct but is blank");
        row("a gap in the choices", bank_text(4, R"("choice_text": ["a", "  ", "c", "", "", ""])"),
            "in record 1, choice C is filled but choice B before it is blank");
        row("no correct choice", bank_text(4, R"("choice_correct": [0, 0, 0, 0, 0, 0])"),
            "record 1 is a multiple-choice question with no correct choice");
        row("a question type of its own", bank_text(4, R"("question_type": "multiple")"),
            "in record 1, question_type \"multiple\" is neither \"single_answer\" nor \"fill_in\"");
        row("a side file given from the root",
            bank_text(4, R"("exhibit_file": ["/etc/passwd", "", ""])"),
            "in record 1, entry 1 of exhibit_file (\"/etc/passwd\") is an absolute path; give it "
            "from the bank's folder");
        row("a side file above the bank's folder",
            bank_text(4, R"("diagram_file": ["", "pics/../../x.png", ""])"),
            "in record 1, entry 2 of diagram_file (\"pics/../../x.png\") leads out of the bank's "
            "folder");
        QVERIFY(QFile::link(QStringLiteral(".."), dir_.filePath(QStringLiteral("up"))));
        row("a side file through a link out of the folder",
            bank_text(4, R"("exhibit_file": ["", "", "up/none.txt"])"),
            "in record 1, entry 3 of exhibit_file (\"up/none.txt\") leads out of the bank's "
            "folder");
        // The link is followed before the `..` after it, as the file system does.
        QVERIFY(QFile::link(QStringLiteral("/usr/share"), dir_.filePath(QStringLiteral("deep"))));
        row("a side file back out of a link",
            bank_text(4, R"("exhibit_file": ["deep/../x.txt", "", ""])"),
            "in record 1, entry 1 of exhibit_file (\"deep/../x.txt\") leads out of the bank's "
            "folder");
        QVERIFY(QFile::link(QStringLiteral("nothing"), dir_.filePath(QStringLiteral("gone"))));
        row("a side file through a link to a missing file",
            bank_text(4, R"("exhibit_file": ["gone", "", ""])"),
            "in record 1, entry 1 of exhibit_file (\"gone\") leads through a link to a missing "
            "file");
        row("a side file path no file can have",
            bank_text(
                4, QByteArray("\"exhibit_file\": [\"" + QByteArray(4097, 'a') + "\", \"\", \"\"]")
                       .constData()),
            "in record 1, entry 1 of exhibit_file is longer than a file's path can be (4096 "
            "characters)");
        row("no accepted answer",
            bank_text(4, R"("question_type": "fill_in", "choice_text": ["", "", "", "", "", ""],
                            "choice_correct": [0, 0, 0, 0, 0, 0])"),
            "record 1 is a typed-answer question with no accepted answer");
        row("a number out of place", bank_text(4, R"("number": 7)"), "record 1 is numbered 7");
        row("a question count that disagrees", bank_text(4, "", R"("question_count": 5)"),
            "its question_count does not match the 4 records it holds");
        row("too few for four quizzes", bank_text(3),
            "its 3 records cannot be divided into four quizzes of 1 to 200 questions each");
        // Four quizzes of 200 and three records left over are the most a bank can use.
        for (const int count : {804, 1001})
            row(qPrintable(QStringLiteral("%1 records").arg(count)), bank_text(count),
                "it holds more than 803 records, the most a bank can hold");
        row("804 GIFT questions", QByteArray("Q? {T}\n\n").repeated(804),
            "it holds more than 803 questions, the most a bank can hold");
    }

    void every_fault_refuses_the_whole_file()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        QFETCH(bool, read_as_text);
        const QString path = dir_.filePath(QStringLiteral("bad.json"));
        QVERIFY(write_file(path, text));
        const BankFileRead read = read_bank_file(path);
        QVERIFY(!read.content);
        QCOMPARE(read.refusal,
                 QStringLiteral("The question bank %1 cannot be used: %2.%3")
                     .arg(path, reason,
                          read_as_text
                              ? QStringLiteral(" It is the only problem orlin-quiz --check finds.")
                              : QString()));
    }

    // Worked out by hand from the formats' public descriptions.
    void gift_and_aiken_questions_map_to_records_or_are_refused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("problem");
        const auto gives = [](const char* name, const char* text, const char* record) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(record)
                                << QString();
        };
        const auto refused = [](const char* name, const char* text, const char* problem) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString()
                                << QString::fromUtf8(problem);
        };
        gives(
            "multiple choice, name, comment, choice feedback",
            "// a comment\n::Layers::Which layer routes?\n{\n  =Network # Routers.\n  ~Transport\n"
            "  ~Data link #Switches.\n}",
            "Which layer routes? | single_answer | +Network -Transport -Data link | Network: "
            "Routers.\r\nData link: Switches. | ");
        gives("several answers by positive weight",
              "Which two are transport protocols? {~%50%TCP ~%50%UDP ~%-50%ARP}",
              "Which two are transport protocols? | single_answer | +TCP +UDP -ARP |  | ");
        gives("full credit only where one answer has it",
              "Pick the private address. {=10.1.1.1 ~%25%172.32.0.1 ~192.0.2.1}",
              "Pick the private address. | single_answer | +10.1.1.1 -172.32.0.1 -192.0.2.1 |  | ");
        gives("false, with feedback for a wrong and a right reply",
              "A hub separates collision domains.{F#No: a hub repeats every bit.#Right.}",
              "A hub separates collision domains. | single_answer | -True +False | True: No: a "
              "hub repeats every bit.\r\nFalse: Right. | ");
        gives("true", "Ping uses ICMP. {TRUE}",
              "Ping uses ICMP. | single_answer | +True -False |  | ");
        gives("short answer, partial credit not accepted",
              "Which command shows the routing table? {=show ip route =sh ip ro =%50%show route}",
              "Which command shows the routing table? | fill_in | -show ip route -sh ip ro |  | ");
        gives("short answer without a mark, markdown marker",
              "[markdown]How many bits has an IPv4 address? {32}",
              "How many bits has an IPv4 address? | fill_in | -32 |  | ");
        gives("missing word", "A /26 mask ends in {=192 ~128 ~224} in dotted decimal.",
              "A /26 mask ends in _____ in dotted decimal. | single_answer | +192 -128 -224 |  | ");
        gives(
            "category, escapes, HTML and general feedback",
            "$CATEGORY: $course$/top/Routing\n\n::q::[html]<p>Is 10.0.0.1 in \\{10.0.0.0/8\\}?</p>"
            "{T####Yes &amp; RFC 1918 \\= private \\# \\~ \\: \\\\.}",
            "Is 10.0.0.1 in {10.0.0.0/8}? | single_answer | +True -False | Yes & RFC 1918 = "
            "private # ~ : \\. | Routing");
        refused("numerical", "// first\n\nHow many bits has a MAC address? {#48}",
                "question 1 (line 3) is a numerical question, which cannot be asked here");
        refused("matching", "Match. {=R1 -> router =S1 -> switch}",
                "question 1 (line 1) is a matching question, which cannot be asked here");
        refused("essay", "Describe OSPF. {}",
                "question 1 (line 1) is an essay question, which cannot be asked here");
        refused("seven answers", "Pick. {=a ~b ~c ~d ~e ~f ~g}",
                "question 1 (line 1) has 7 answers, and a question holds at most six");
        refused("no right answer", "Pick. {~a ~%-50%b}",
                "question 1 (line 1) is a multiple-choice question with no correct choice");
        // As a learning platform imports them: format markers on every part, lines trimmed,
        // HTML breaks, at least two answers to choose from.
        gives("markers on short answers", "Which animal croaks? {=[plain]Frog =Toad}",
              "Which animal croaks? | fill_in | -Frog -Toad |  | ");
        gives("markers on choices and feedback",
              "[html]Which <i>colour</i>? {=[plain]blue #[html]<b>Yes</b> ~[moodle]red "
              "####[markdown]Look up.}",
              "Which colour? | single_answer | +blue -red | Look up.\r\nblue: Yes | ");
        gives("markers on true and false feedback",
              "Ping uses ICMP. {T#[html]<i>No</i>#[plain]Yes}",
              "Ping uses ICMP. | single_answer | +True -False | True: Yes\r\nFalse: No | ");
        gives("lines trimmed", "Which layer\n    routes packets? {\n\t=Network\n\t~Transport\n}",
              "Which layer\r\nroutes packets? | single_answer | +Network -Transport |  | ");
        gives("line breaks", "[html]One<br />Two<br /><br>Three {T}",
              "One\r\nTwo\r\n\r\nThree | single_answer | +True -False |  | ");
        gives("paragraphs", "[html]<p>First\nline</p>\n<p>Second</p>{F}",
              "First line\r\n\r\nSecond | single_answer | -True +False |  | ");
        gives("preformatted lines", "[html]Run:<pre>\nping 10.0.0.1\n  show ip route\n</pre>{T}",
              "Run:\r\nping 10.0.0.1\r\nshow ip route | single_answer | +True -False |  | ");
        gives("private-use characters are text", "Is \xEE\x80\x83 a brace? {T}",
              "Is \xEE\x80\x83 a brace? | single_answer | +True -False |  | ");
        refused("one answer to choose from", "What colour is the sky? {~%100%blue}",
                "question 1 (line 1) has only one answer, and a multiple-choice question needs at "
                "least two");
        gives("Aiken", "Which layer routes packets?\nA. Network\nB) Transport\nANSWER: A",
              "Which layer routes packets? | single_answer | +Network -Transport |  | ");
        gives("Aiken, no space after the letter",
              "Which layer routes?\nA)Network\nB.Transport\nANSWER: A",
              "Which layer routes? | single_answer | +Network -Transport |  | ");
        refused("Aiken, one choice", "Q?\nA) Only\nANSWER: A",
                "question 1 (line 1) has fewer than two choices (line 3)");
        refused("Aiken, no answer letter", "Q?\nA. a\nB. b\nANSWER:",
                "question 1 (line 1) has no letter after ANSWER: (line 4)");
        refused(
            "Aiken, unknown answer letter", "Q?\nA. a\nB. b\nANSWER: C",
            "question 1 (line 1) gives the answer \"C\", which is none of its choices (line 4)");
        refused("Aiken, seven choices", "Q?\nA. a\nB. b\nC. c\nD. d\nE. e\nF. f\nG. g\nANSWER: A",
                "question 1 (line 1) has more than six choices (line 8)");
        refused("Aiken, a choice without a question", "A. a\nANSWER: A",
                "line 1: choice A has no question before it");
    }

    void gift_and_aiken_questions_map_to_records_or_are_refused()
    {
        QFETCH(QString, text);
        QFETCH(QString, record);
        QFETCH(QString, problem);
        const TextQuestions read = looks_like_aiken(text) ? read_aiken(text) : read_gift(text);
        QCOMPARE(read.problems.empty() ? QString() : read.problems.front(), problem);
        QCOMPARE(read.records.empty() ? QString() : brief(read.records.front()), record);
    }

    // Small files written from Moodle's public description of its XML format, a question of
    // each kind; the question starts on line 3.
    void xml_questions_map_to_records_or_are_refused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("problem");
        const auto file = [](const char* questions) {
            return QStringLiteral(
                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n%1\n</quiz>\n")
                .arg(QString::fromUtf8(questions));
        };
        const auto gives = [&file](const char* name, const char* questions, const char* record) {
            QTest::newRow(name) << file(questions) << QString::fromUtf8(record) << QString();
        };
        const auto refused = [&file](const char* name, const char* questions, const char* problem) {
            QTest::newRow(name) << file(questions) << QString() << QString::fromUtf8(problem);
        };
        gives("multiple choice, category, HTML, general and answer feedback",
              R"(<question type="category"><category><text>$course$/top/Routing</text></category>
              </question><question type="multichoice">
              <questiontext format="html"><text><![CDATA[<p>Which protocol counts
              <b>hops</b>?</p>]]></text></questiontext>
              <generalfeedback format="html"><text>RIP &amp;amp; RIPv2.</text></generalfeedback>
              <single>true</single>
              <answer fraction="100"><text>RIP</text></answer>
              <answer fraction="0"><text>OSPF</text><feedback><text>Cost.</text></feedback></answer>
              </question>)",
              "Which protocol counts hops? | single_answer | +RIP -OSPF | RIP & RIPv2.\r\nOSPF: "
              "Cost. | Routing");
        gives("several right by positive fraction, text in Moodle's own format",
              R"(<question type="multichoice"><questiontext format="moodle_auto_format">
              <text>Which two?
(Choose two.)</text></questiontext><single>false</single>
              <answer fraction="50"><text>TCP</text></answer>
              <answer fraction="50"><text>UDP</text></answer>
              <answer fraction="-100"><text>ARP</text></answer></question>)",
              "Which two?\r\n(Choose two.) | single_answer | +TCP +UDP -ARP |  | ");
        gives("full credit only where one answer has it, blank answers left out",
              R"(<question type="multichoice"><questiontext><text>Private?</text></questiontext>
              <answer fraction="100"><text>10.1.1.1</text></answer>
              <answer fraction="50"><text>172.32.0.1</text></answer>
              <answer fraction="0"><text> </text></answer>
              <answer fraction="0"><text>192.0.2.1</text></answer></question>)",
              "Private? | single_answer | +10.1.1.1 -172.32.0.1 -192.0.2.1 |  | ");
        gives(
            "true/false, false right, plain text, old category without text",
            R"(<question type="category"><category>$course$/TCP//IP</category></question>
              <question type="truefalse"><questiontext format="plain_text">
              <text>Is &lt;b&gt; a layer?</text></questiontext>
              <answer fraction="100"><text>false</text><feedback><text>Right.</text></feedback>
              </answer><answer fraction="0"><text>true</text><feedback><text>No.</text>
              </feedback></answer></question>)",
            "Is <b> a layer? | single_answer | -True +False | True: No.\r\nFalse: Right. | TCP/IP");
        gives("a category name ending in an escaped slash, in Moodle's own format",
              R"(<question type="category"><category><text>$course$/top/TCP//</text></category>
              </question><question type="truefalse"><questiontext><text>Q</text></questiontext>
              <answer fraction="0"><text>true</text></answer>
              <answer fraction="100"><text>false</text></answer></question>)",
              "Q | single_answer | -True +False |  | TCP/");
        gives("an HTML entity of half a character, left as written",
              R"(<question type="truefalse"><questiontext><text>Q &amp;#xD83D;</text></questiontext>
              <answer fraction="100"><text>true</text></answer>
              <answer fraction="0"><text>false</text></answer></question>)",
              "Q &#xD83D; | single_answer | +True -False |  | ");
        gives("short answer: full credit accepted, partial credit and a wildcard at 0 not",
              R"(<question type="shortanswer"><questiontext><text>Routes?</text></questiontext>
              <usecase>0</usecase>
              <answer fraction="100"><text>show ip route</text></answer>
              <answer fraction="100"><text> sh ip ro\* </text></answer>
              <answer fraction="50"><text>show route</text></answer>
              <answer fraction="0"><text>*</text><feedback><text>No.</text></feedback></answer>
              </question>)",
              "Routes? | fill_in | -show ip route -sh ip ro* |  | ");
        const auto kind = [&refused](const char* type, const char* problem) {
            refused(type,
                    QStringLiteral("<question type=\"%1\"><questiontext><text>Q</text>"
                                   "</questiontext></question>")
                        .arg(QLatin1String(type))
                        .toUtf8(),
                    problem);
        };
        kind("matching", "question 1 (line 3) is a matching question, which cannot be asked here");
        kind("numerical",
             "question 1 (line 3) is a numerical question, which cannot be asked here");
        kind("essay", "question 1 (line 3) is an essay question, which cannot be asked here");
        kind("cloze", "question 1 (line 3) is a cloze question, which cannot be asked here");
        kind("description", "question 1 (line 3) is a description, which cannot be asked here");
        kind("random", "question 1 (line 3) is a random question, which cannot be asked here");
        kind("ordering", "question 1 (line 3) is a question of the type \"ordering\", which "
                         "cannot be asked here");
        refused("a picture embedded in base64",
                R"(<question type="multichoice"><questiontext format="html">
                <text><![CDATA[<img src="@@PLUGINFILE@@/net.png">]]></text>
                <file name="net.png" path="/" encoding="base64">iVBORw0KGgo=</file></questiontext>
                <answer fraction="100"><text>a</text></answer>
                <answer fraction="0"><text>b</text></answer></question>)",
                "question 1 (line 3) holds the file \"net.png\", which cannot be shown here");
        refused("one answer",
                R"(<question type="multichoice"><answer fraction="100"><text>a</text></answer>
                </question>)",
                "question 1 (line 3) has one answer, and a multiple-choice question needs at "
                "least two");
        refused("seven answers",
                R"(<question type="multichoice"><answer fraction="100"><text>a</text></answer>
                <answer><text>b</text></answer><answer><text>c</text></answer>
                <answer><text>d</text></answer><answer><text>e</text></answer>
                <answer><text>f</text></answer><answer><text>g</text></answer></question>)",
                "question 1 (line 3) has 7 answers, and a question holds at most six");
        refused("a fraction that is no number",
                R"(<question type="multichoice"><answer fraction="all"><text>a</text></answer>
                <answer><text>b</text></answer></question>)",
                "question 1 (line 3) has an answer whose fraction \"all\" is not a number");
        refused("true/false without true and false",
                R"(<question type="truefalse"><answer fraction="100"><text>yes</text></answer>
                <answer fraction="0"><text>no</text></answer></question>)",
                "question 1 (line 3) has answers other than \"true\" and \"false\"");
        refused("a wildcard in an accepted answer",
                R"(<question type="shortanswer"><answer fraction="100"><text>colo*r</text>
                </answer></question>)",
                "question 1 (line 3) accepts \"colo*r\", whose * stands for any text, which a "
                "typed answer here cannot match");
        // Neither the file named nor the text defined is read into the question.
        QTest::newRow("an external entity")
            << QStringLiteral("<?xml version=\"1.0\"?>\n"
                              "<!DOCTYPE quiz [<!ENTITY a SYSTEM \"file:///etc/hostname\">\n"
                              "<!ENTITY b \"bbbbbbbb\">]>\n"
                              "<quiz><question type=\"shortanswer\"><questiontext><text>&a;&b;"
                              "</text></questiontext><answer fraction=\"100\"><text>x</text>"
                              "</answer></question></quiz>")
            << QString()
            << QStringLiteral("line 2 holds a document type declaration, which is not read");
        refused("an element in the quiz that is no question", "<info>From a course</info>",
                "line 3 holds <info> in <quiz>, which holds only questions");
        const QByteArray tags =
            "<question type=\"multichoice\">" + QByteArray("<tag/>").repeated(501) + "</question>";
        refused("a question of 501 elements", tags.constData(),
                "the question at line 3 holds more than 500 elements");
        // The type and 250 more.
        const QByteArray attributes = "<question type=\"multichoice\">" +
                                      QByteArray("<a b=''/>").repeated(250) + "</question>";
        refused("a question of 251 attributes", attributes.constData(),
                "the question at line 3 holds more than 250 attributes");
        const QByteArray categories =
            QByteArray("<question type=\"category\"><category>$course$/a</category></question>")
                .repeated(804);
        refused("804 categories", categories.constData(),
                "it holds more than 803 categories, and a bank holds at most 803 questions");
        const QByteArray references = "<question type=\"truefalse\"><questiontext><text>" +
                                      QByteArray("&amp;").repeated(250001) +
                                      "</text></questiontext></question>";
        refused("250001 references", references.constData(),
                "it holds more than 250000 references such as &amp;, where Moodle writes HTML in "
                "CDATA sections");
        // The broken XML is reported, not the element it makes look out of place.
        refused("broken XML before an element in the quiz",
                "<question type=\"truefalse\"></answer>\n<info/>",
                "it is not well-formed XML (Opening and ending tag mismatch at line 3, column 36)");
        QTest::newRow("an encoding other than UTF-8")
            << QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<quiz/>\n")
            << QString()
            << QStringLiteral(
                   "its XML declaration names the encoding \"ISO-8859-1\", where a bank file is "
                   "UTF-8");
        refused("an element with many attributes",
                "<question a1='' a2='' a3='' a4='' a5='' a6='' a7='' a8='' a9='' a10='' a11=''\n"
                "a12='' a13='' a14='' a15='' a16='' a17=''/>",
                "line 4 holds an element with more than 16 attributes");
    }

    void xml_questions_map_to_records_or_are_refused()
    {
        QFETCH(QString, text);
        QFETCH(QString, record);
        QFETCH(QString, problem);
        QVERIFY(looks_like_xml(text.toUtf8()));
        const XmlQuestions read = read_xml(text.toUtf8());
        const BankProblems& problems = read.questions.problems;
        QCOMPARE(!read.fault.isEmpty() ? read.fault
                                       : (problems.empty() ? QString() : problems.front()),
                 problem);
        QCOMPARE(read.questions.records.empty() ? QString() : brief(read.questions.records.front()),
                 record);
    }

    // The refusal is told in a message box of its own; no window of the quiz opens.
    void a_refusal_is_told_in_a_box_of_its_own()
    {
        const QString refusal = read_bank_file(QStringLiteral("none.json")).refusal;
        ModalWatcher watcher;
        run_in_event_loop([&] { show_bank_refusal(refusal); });
        QCOMPARE(watcher.seen().size(), 1U);
        QCOMPARE(watcher.seen().front().title, QStringLiteral("Orlin Quiz"));
        QCOMPARE(watcher.seen().front().text, refusal);
        QVERIFY(!watcher.seen().front().has_icon);
        QVERIFY(!Welcome.is_open() && !quest.is_open());
    }

    // Missing fields are blank, line breaks become CR LF, and relative side files are found beside
    // the bank wherever the program runs from.
    void a_good_file_fills_the_bank_as_the_built_in_content_does()
    {
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("bank/pics")));
        QVERIFY(write_file(dir_.filePath(QStringLiteral("bank/pics/net.png")), {}));
        const QString path = dir_.filePath(QStringLiteral("bank/lab.json"));
        QVERIFY(write_file(path, bank_text(5, R"("question_text": "one\ntwo\r\nthree",
                                                 "diagram_file": ["pics/net.png", "../bank/pics/net.png", "  "],
                                                 "topic": "Routing")",
                                           R"("author_contact": "lab@orlin.example")")));
        const QString start_dir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        BankFileRead read = read_bank_file(path);
        QDir::setCurrent(start_dir);
        QVERIFY2(read.content, qPrintable(read.refusal));
        load_bank(); // the built-in bank first: its records above 5 must not stay
        use_bank_content(std::move(read.content));
        load_bank();
        QCOMPARE(bank.question_count, 5);
        QCOMPARE(bank.test_title, QStringLiteral("Lab"));
        const QuestionRecord& first = bank.record(1);
        QCOMPARE(first.question_text, QStringLiteral("one\r\ntwo\r\nthree"));
        QCOMPARE(first.question_type, QStringLiteral("single_answer"));
        QCOMPARE(first.topic, QStringLiteral("Routing"));
        QCOMPARE(first.diagram_file[1], dir_.filePath(QStringLiteral("bank/pics/net.png")));
        QCOMPARE(first.diagram_file[2], dir_.filePath(QStringLiteral("bank/../bank/pics/net.png")));
        QCOMPARE(first.diagram_file[3], QStringLiteral("  "));
        // Printed as the file gave them, so a converted bank saved beside it finds them too.
        const QJsonArray printed =
            QJsonDocument::fromJson(bank_json(bank))
                .object()[QLatin1String("records")][0][QLatin1String("diagram_file")]
                .toArray();
        QCOMPARE(printed, (QJsonArray{"pics/net.png", "../bank/pics/net.png", "  "}));
        QVERIFY(first.explanation.isEmpty() && first.clue.isEmpty() &&
                first.exhibit_file[1].isEmpty());
        QCOMPARE(bank.record(6), QuestionRecord());

        run_in_event_loop(start_program);
        QCOMPARE(Welcome.get()->windowTitle(), QStringLiteral("Lab"));
        QCOMPARE(control<QLineEdit>(*Welcome.get(), "author_name2")->text(),
                 QStringLiteral("lab@orlin.example"));
    }

    // Refused before any window opens: nothing on standard output, the reason on standard error.
    void wrong_command_lines_are_refused()
    {
        for (const char* wrong :
             {"--bogus", "stray", "--bank", "--minutes 0", "--minutes 601", "--minutes 1.5"}) {
            const Run run = run_program(QString::fromLatin1(wrong).split(QLatin1Char(' ')));
            QCOMPARE(run.status, 1);
            QVERIFY(run.out.isEmpty() && !run.err.isEmpty());
        }
    }

    // Offscreen no one can answer a message box: a refused bank is told on standard error alone,
    // and the program ends at once.
    void a_refused_bank_waits_for_no_one()
    {
        const QString missing = dir_.filePath(QStringLiteral("none.json"));
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("-b"), missing, QStringLiteral("--print-bank")},
              QStringList{QStringLiteral("-b"), missing}}) {
            const Run run = run_program(arguments, QStringLiteral("offscreen"));
            QCOMPARE(run.status, 1);
            QVERIFY(run.out.isEmpty());
            QCOMPARE(run.err, read_bank_file(missing).refusal.toUtf8() + '\n');
        }
    }

    // Printed and read back, a bank is the same: also a first U+FEFF, which JSON readers take for
    // a byte order mark unless it is escaped, and a topic of spaces only.
    void any_text_survives_printing_and_reading_back()
    {
        const QString first = dir_.filePath(QStringLiteral("texts.json"));
        QVERIFY(
            write_file(first, bank_text(4, R"("question_text": "\ufeffWhich?", "topic": "  ")")));
        BankFileRead read = read_bank_file(first);
        QVERIFY2(read.content, qPrintable(read.refusal));
        use_bank_content(std::move(read.content));
        load_bank();
        QCOMPARE(bank.record(1).question_text, QChar(0xFEFF) + QStringLiteral("Which?"));
        const QByteArray printed = bank_json(bank);
        QVERIFY(printed.contains(R"("question_text": "\ufeffWhich?")"));
        const QString again = dir_.filePath(QStringLiteral("again.json"));
        QVERIFY(write_file(again, printed));
        read = read_bank_file(again);
        QVERIFY2(read.content, qPrintable(read.refusal));
        QCOMPARE(read.content->records.front().topic, QStringLiteral("  "));
        use_bank_content(std::move(read.content));
        load_bank();
        QCOMPARE(bank_json(bank), printed);
    }

    // Side files are checked again at each click: a link that leads out of the bank's folder
    // after the bank was read opens nothing.
    void a_link_that_leaves_the_folder_later_is_refused_at_the_click()
    {
        const QDir root(dir_.filePath(QStringLiteral("moved")));
        QVERIFY(root.mkpath(QStringLiteral("bank/inside")) &&
                root.mkpath(QStringLiteral("outside")));
        for (const QString& folder : {QStringLiteral("bank/inside"), QStringLiteral("outside")})
            QVERIFY(write_file(root.filePath(folder + QStringLiteral("/aid.txt")), "R1#\n"));
        const QString link = root.filePath(QStringLiteral("bank/aids"));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("bank/inside")), link));
        const QString path = root.filePath(QStringLiteral("bank/lab.json"));
        QVERIFY(write_file(path, bank_text(4, R"("diagram_file": ["aids/aid.txt", "", ""],
                                                 "exhibit_file": ["aids/aid.txt", "", ""])")));
        BankFileRead read = read_bank_file(path);
        QVERIFY2(read.content, qPrintable(read.refusal));
        use_bank_content(std::move(read.content));
        load_bank();
        const auto opened = [] {
            show_diagram(bank.record(1).diagram_file[1]);
            show_exhibit(bank.record(1).exhibit_file[1]);
            const QPair<bool, bool> open(Diagram.is_open(), Exhibit.is_open());
            tear_down_windows();
            return open;
        };
        QCOMPARE(opened(), qMakePair(true, true));
        QVERIFY(QFile::remove(link));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("outside")), link));
        QCOMPARE(opened(), qMakePair(false, false));
    }

    // The question box shows four lines at design size, so every question fits in four lines of
    // its font at the box's inner width; every diagram is drawn at twice the shape of the viewer's
    // picture box, which stretches it, so that it is neither distorted nor blurred.
    void the_example_bank_fits_its_windows()
    {
        BankFileRead read =
            read_bank_file(QStringLiteral(ORLIN_SOURCE_DIR "/examples/lab-bank/lab-bank.json"));
        QVERIFY2(read.content, qPrintable(read.refusal));
        use_bank_content(std::move(read.content));
        start_quiz(1, {in_order, answers_in_order});
        const auto* box = control<QPlainTextEdit>(*quest.get(), "Q1");
        const QFontMetrics metrics(box->font());
        const int margin = qCeil(box->document()->documentMargin());
        const QRect inside = box->viewport()->rect().adjusted(margin, margin, -margin, -margin);
        QVERIFY(4 * metrics.lineSpacing() <= inside.height());
        QString refused;
        for (int n = 1; n <= bank.question_count; ++n) {
            const QuestionRecord& record = bank.record(n);
            QString text = record.question_text;
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            const int lines =
                metrics.boundingRect(QRect(0, 0, inside.width(), 100000), Qt::TextWordWrap, text)
                    .height() /
                metrics.lineSpacing();
            if (lines > 4)
                refused += QStringLiteral(" record %1 takes %2 lines;").arg(n).arg(lines);
            for (std::size_t i = 1; i <= 3; ++i) {
                if (is_blank(record.diagram_file[i]))
                    continue;
                show_diagram(record.diagram_file[i]);
                const QSize shape = 2 * control<StretchedImage>(*Diagram.get(), "Image1")->size();
                const QSize drawn = QImageReader(record.diagram_file[i]).size();
                if (drawn != shape)
                    refused += QStringLiteral(" %1 is %2 x %3;")
                                   .arg(record.diagram_file[i])
                                   .arg(drawn.width())
                                   .arg(drawn.height());
            }
        }
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
    }

    // Each quiz of the XML example, answered by a key worked out by hand from its questions
    // (typed answers as a student may type them), ends with every question right.
    void the_xml_example_runs_its_quizzes()
    {
        const QList<QStringList> key = {{},
                                        {"10.1.32.0"},
                                        {"172.20.4.65", "172.20.4.94"},
                                        {"False"},
                                        {"90"},
                                        {"True"},
                                        {"Switchport mode access"},
                                        {"/29"},
                                        {"TFTP", "DHCP"}};
        BankFileRead read =
            read_bank_file(QStringLiteral(ORLIN_SOURCE_DIR "/examples/xml/networking.xml"));
        QVERIFY2(read.content, qPrintable(read.refusal));
        use_bank_content(std::move(read.content));
        for (int quiz = 1; quiz <= 4; ++quiz) {
            start_quiz(quiz, {no_feedback});
            ModalWatcher watcher;
            for (int n = 1; n <= 2; ++n) {
                const QStringList& right = key.at(quiz_state.current_qid);
                const bool typed = quest_control(QStringLiteral("QChoice_1")).isHidden();
                for (int i = 1; i <= 6; ++i) {
                    auto* box = control<QPlainTextEdit>(*quest.get(), control_name("abox", i));
                    if (typed && i == 1)
                        box->setPlainText(right.front());
                    else if (!typed && right.contains(box->toPlainText()))
                        control<AnswerButton>(*quest.get(), control_name("QChoice", i))->click();
                }
                press_next();
            }
            QCOMPARE(watcher.seen().size(), 1U);
            QVERIFY2(watcher.seen().front().text.contains(QLatin1String("=  2/ 2\n")),
                     qPrintable(watcher.seen().front().text));
            tear_down_windows();
        }
    }

    // Every problem a line, in the order of the file, then the count; --bank names the first.
    void check_lists_every_problem_of_a_file()
    {
        const QString path = dir_.filePath(QStringLiteral("bad.gift"));
        QVERIFY(write_file(path, "::a:: Pick. {~a ~b}\n"
                                 "\n"
                                 "// the second\n"
                                 "How many bits has a MAC address? {#48}\n"
                                 "\n"
                                 "Which? {=a ~b}\n"));
        const Run check = run_program({QStringLiteral("--check"), path});
        QCOMPARE(check.status, 1);
        QCOMPARE(
            QString::fromUtf8(check.out),
            QStringLiteral("question 1 (line 1) is a multiple-choice question with no correct "
                           "choice\n"
                           "question 2 (line 4) is a numerical question, which cannot be asked "
                           "here\n"
                           "its 3 questions cannot be divided into four quizzes of 1 to 200 "
                           "questions each\n"
                           "%1: 3 problems; the bank cannot be used.\n")
                .arg(path));
        const Run refused = run_program({QStringLiteral("--bank"), path});
        QCOMPARE(refused.status, 1);
        QVERIFY(refused.err.contains("orlin-quiz --check " + path.toUtf8() + " lists all 3"));

        for (const char* example :
             {"/examples/gift/networking.gift", "/examples/aiken/networking.txt",
              "/examples/xml/networking.xml"}) {
            const QString file = QStringLiteral(ORLIN_SOURCE_DIR) + QLatin1String(example);
            const Run good = run_program({QStringLiteral("--check"), file});
            QCOMPARE(good.status, 0);
            QVERIFY2(good.out.contains(": no problems;"), good.out.constData());
            // Converted to JSON and read back, it prints the same bytes.
            const Run printed =
                run_program({QStringLiteral("-b"), file, QStringLiteral("--print-bank")});
            const QString json = dir_.filePath(QStringLiteral("converted.json"));
            QVERIFY(write_file(json, printed.out));
            QCOMPARE(run_program({QStringLiteral("-b"), json, QStringLiteral("--print-bank")}).out,
                     printed.out);
        }
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestBankFile)
#include "test_bank_file.moc"
