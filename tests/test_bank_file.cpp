// Question banks from files: every refusal, what a good file gives, the command line, and the
// example bank through the real windows.
#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz_state.h"
#include "screens/stretched_image.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

Run run_program(const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORLIN_QUIZ_BINARY), arguments);
    program.waitForFinished(60000);
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAllStandardOutput(), program.readAllStandardError()};
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
        const auto row = [](const char* name, const QByteArray& text, const char* reason) {
            QTest::newRow(name) << text << QString::fromUtf8(reason);
        };
        row("larger than 16 MiB", QByteArray(max_bank_file_size + 1, ' '),
            "it is larger than 16 MiB");
        row("not UTF-8", "{\"test_title\": \"\xff\"}", "it is not valid UTF-8 text");
        row("not JSON", "{\"records\": [}",
            "it is not valid JSON (object is missing after a comma at byte 14)");
        row("not an object", "[]", "it holds no JSON object");
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
        row("no accepted answer",
            bank_text(4, R"("question_type": "fill_in", "choice_text": ["", "", "", "", "", ""],
                            "choice_correct": [0, 0, 0, 0, 0, 0])"),
            "record 1 is a typed-answer question with no accepted answer");
        row("a number out of place", bank_text(4, R"("number": 7)"), "record 1 is numbered 7");
        row("a question count that disagrees", bank_text(4, "", R"("question_count": 5)"),
            "its question_count does not match the 4 records it holds");
        row("more than 1000 records", bank_text(1001),
            "it holds 1001 records, and a bank holds at most 1000");
        row("too few for four quizzes", bank_text(3),
            "its 3 records cannot be divided into four quizzes of 1 to 200 questions each");
        row("too many for four quizzes", bank_text(804),
            "its 804 records cannot be divided into four quizzes of 1 to 200 questions each");
    }

    void every_fault_refuses_the_whole_file()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        const QString path = dir_.filePath(QStringLiteral("bad.json"));
        QVERIFY(write_file(path, text));
        const BankFileRead read = read_bank_file(path);
        QVERIFY(!read.content);
        QCOMPARE(read.refusal,
                 QStringLiteral("The question bank %1 cannot be used: %2.").arg(path, reason));
    }

    void files_that_cannot_be_read_are_refused_too()
    {
        QCOMPARE(read_bank_file(dir_.filePath(QStringLiteral("none.json"))).refusal,
                 QStringLiteral("The question bank %1 cannot be used: there is no such file.")
                     .arg(dir_.filePath(QStringLiteral("none.json"))));
        QVERIFY(read_bank_file(dir_.path()).refusal.endsWith(QLatin1String(": it is a folder.")));
        // A regular file that even root cannot open for reading.
        const QString write_only = QStringLiteral("/proc/sys/vm/drop_caches");
        if (QFileInfo(write_only).isFile())
            QVERIFY(read_bank_file(write_only).refusal.contains(QLatin1String("cannot be read")));
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
                                                 "diagram_file": ["pics/net.png", "/abs/x.png", "  "],
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
        QCOMPARE(first.diagram_file[2], QStringLiteral("/abs/x.png"));
        QCOMPARE(first.diagram_file[3], QStringLiteral("  "));
        QVERIFY(first.explanation.isEmpty() && first.clue.isEmpty() &&
                first.exhibit_file[1].isEmpty());
        QCOMPARE(bank.record(6), QuestionRecord());

        run_in_event_loop(start_program);
        QCOMPARE(Welcome.get()->windowTitle(), QStringLiteral("Lab"));
        QCOMPARE(control<QLineEdit>(*Welcome.get(), "author_name2")->text(),
                 QStringLiteral("lab@orlin.example"));
    }

    void the_command_line_prints_checks_and_refuses()
    {
        const Run built_in = run_program({QStringLiteral("--print-bank")});
        QCOMPARE(built_in.status, 0);
        const QString printed = dir_.filePath(QStringLiteral("printed.json"));
        QVERIFY(write_file(printed, built_in.out));
        // The file format is what --print-bank writes: read back, it prints the same bytes.
        const Run again =
            run_program({QStringLiteral("-b"), printed, QStringLiteral("--print-bank")});
        QCOMPARE(again.status, 0);
        QVERIFY(again.out == built_in.out);
        QVERIFY(built_in.out.contains("\"question_count\": 224"));

        QCOMPARE(run_program({QStringLiteral("--version")}).out, QByteArray("orlin-quiz 1.3\n"));
        for (const QStringList& wrong :
             {QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("stray")},
              QStringList{QStringLiteral("--bank")}, QStringList{QStringLiteral("--minutes")},
              QStringList{QStringLiteral("--minutes"), QStringLiteral("0")},
              QStringList{QStringLiteral("--minutes"), QStringLiteral("601")},
              QStringList{QStringLiteral("--minutes"), QStringLiteral("1.5")}}) {
            const Run run = run_program(wrong);
            QCOMPARE(run.status, 1);
            QVERIFY(run.out.isEmpty() && !run.err.isEmpty());
        }
        QCOMPARE(run_program({QStringLiteral("--minutes=600"), QStringLiteral("--review"),
                              QStringLiteral("--print-bank")})
                     .out,
                 built_in.out);
        const QByteArray help = run_program({QStringLiteral("--help")}).out;
        QVERIFY(help.contains("--review") && help.contains("--minutes <N>"));
        const Run refused = run_program({QStringLiteral("--bank"), QStringLiteral("none.json")});
        QCOMPARE(refused.status, 1);
        QVERIFY(refused.out.isEmpty());
        QCOMPARE(refused.err, read_bank_file(QStringLiteral("none.json")).refusal.toUtf8() + '\n');
    }

    // One walk through quiz 4 of the example bank: a typed answer graded right, a diagram and an
    // exhibit, a clue, and a typed answer graded wrong with its feedback.
    void the_example_bank_shows_every_aid()
    {
        BankFileRead read =
            read_bank_file(QStringLiteral(ORLIN_SOURCE_DIR "/examples/lab-bank/lab-bank.json"));
        QVERIFY2(read.content, qPrintable(read.refusal));
        use_bank_content(std::move(read.content));
        start_quiz(4, {in_order, answers_in_order});
        const auto typed_box = [] { return control<QPlainTextEdit>(*quest.get(), "abox_1"); };
        ModalWatcher watcher;
        bool aided = false;
        bool graded_right = false;
        bool graded_wrong = false;
        while (quest.is_open() && !(aided && graded_right && graded_wrong)) {
            const QuestionRecord shown = quiz_state.current_record;
            const bool typed = is_typed_answer(shown.question_type);
            if (typed && !graded_right) {
                typed_box()->setPlainText(shown.choice_text[1].toUpper());
                press_next();
                QCOMPARE(quiz_state.answer_status, std::int16_t(1));
                graded_right = true;
                continue;
            }
            if (typed && !is_blank(shown.clue)) {
                click(*quest.get(), "cluebutton");
                QCOMPARE(watcher.seen().back().title, QStringLiteral("Clue"));
                typed_box()->setPlainText(QStringLiteral("no such command"));
                press_next();
                QCOMPARE(quiz_state.answer_status, std::int16_t(99));
                QVERIFY(watcher.seen().back().text.contains(shown.choice_text[1]));
                graded_wrong = true;
                continue;
            }
            if (!typed && !is_blank(shown.diagram_file[1]) && !is_blank(shown.exhibit_file[1])) {
                click(*quest.get(), "diagrambutton_1");
                click(*quest.get(), "exhibitbutton_1");
                QVERIFY(!control<StretchedImage>(*Diagram.get(), "Image1")->picture().isNull());
                QVERIFY(!control<QPlainTextEdit>(*Exhibit.get(), "Text1")->toPlainText().isEmpty());
                aided = true;
            }
            press_next();
        }
        QVERIFY(aided && graded_right && graded_wrong);
        QVERIFY(!watcher.stuck());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestBankFile)
#include "test_bank_file.moc"
