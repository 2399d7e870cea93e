#include "program_bench.h"

#include "bank/chapters.h"
#include "bank/question_bank.h"
#include "quiz/quiz.h"
#include "quiz/quiz_rules.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "shell/center_form.h"
#include "study/study_session.h"
#include "windows/exhibit_window.h"
#include "windows/progress_window.h"
#include "windows/quest_window.h"
#include "windows/review_window.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Lets deferred deletes, layouts and paints run, as the event loop would between two clicks.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Notes a paint of the named window or of any control on it.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(const char* window_name) : window_name_(QString::fromLatin1(window_name))
    {
        qApp->installEventFilter(this);
    }
    ~PaintSpy() override { qApp->removeEventFilter(this); }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            painted_ = painted_ || (widget && widget->window()->objectName() == window_name_);
        }
        return false;
    }

private:
    QString window_name_;
    bool painted_ = false;
};

// Runs the event loop until the window has painted; ten seconds at most, so a bench cannot hang.
void run_until_painted(const PaintSpy& spy)
{
    const auto start = Clock::now();
    while (!spy.painted() && seconds_since(start) < 10.0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Quiz k with its questions and answers shuffled and no feedback window.
QuizOptions shuffled(int k)
{
    return {static_cast<std::int16_t>(k), 0, 0, 1, 1};
}

QuestWindow* start_quiz(int quiz_number)
{
    quest.unload();
    settle();
    QuestWindow* window = quest.show();
    running_quiz.start(built_in_plan(shuffled(quiz_number), quiz_state.questions_per_quiz, 0));
    window->begin();
    settle();
    return window;
}

// Presses the correct choices of the question on screen, as a user who knows the answer would.
void press_correct_choices(QuestWindow& window)
{
    const auto& correct = quiz_state.current_record.choice_correct;
    for (int i = 1; i <= 6; ++i) {
        auto* button = control<AnswerButton>(window, control_name("QChoice", i));
        button->set_pressed(correct.at(static_cast<std::size_t>(i)) == 1);
    }
}

QByteArray exhibit_bytes(int megabytes)
{
    const QByteArray line =
        "GigabitEthernet0/1 is up, line protocol is up; 1000 Mb/s, full duplex, MTU 1500\r\n";
    const qsizetype size = qsizetype{megabytes} * 1024 * 1024;
    QByteArray bytes;
    bytes.reserve(size + line.size());
    while (bytes.size() < size)
        bytes += line;
    // Not a byte over: a larger exhibit is refused.
    bytes.truncate(size);
    return bytes;
}

// Question `n` of a GIFT file that uses every kind the program maps, in turn.
QByteArray gift_question(int n)
{
    QByteArray question = "::Q" + QByteArray::number(n) + ":: ";
    switch (n % 5) {
    case 0:
        return question + "Which route does R" + QByteArray::number(n) +
               " use for 172.16.5.9? {\n    =172.16.5.0/24 # The longest prefix wins.\n"
               "    ~172.16.4.0/22 # Shorter.\n    ~172.16.0.0/16 # Shorter still.\n"
               "    ####Distance only decides between equal prefixes.\n}\n";
    case 1:
        return question + "Which two are hosts of 10.20.30.0/29? {~%50%10.20.30.1 ~%50%10.20.30.6 "
                          "~%-50%10.20.30.7 ~%-50%10.20.30.8}\n";
    case 2:
        return question + "CHAP sends the password in clear text. {F#No: only a hash.#Right.}\n";
    case 3:
        return question + "Type the distance of an OSPF route. {=110 ####EIGRP has 90.}\n";
    default:
        return question +
               "Frames of the {=native ~voice ~management} VLAN cross a trunk untagged.\n";
    }
}

// Question `n` of a Moodle XML file as a learning platform exports it: multiple choice, its texts
// in HTML, every feedback, a hint and a tag.
QByteArray xml_question(int n)
{
    const QByteArray number = QByteArray::number(n);
    const auto text = [](const char* element, const QByteArray& html) {
        return QByteArray("    <") + element + " format=\"html\">\n      <text><![CDATA[" + html +
               "]]></text>\n    </" + element + ">\n";
    };
    QByteArray question = "<!-- question: " + number +
                          "  -->\n  <question type=\"multichoice\">\n" +
                          "    <name>\n      <text>Route " + number + "</text>\n    </name>\n";
    question += text("questiontext", "<p>Which route does R" + number +
                                         " use for <b>172.16.5.9</b>? The table lists static "
                                         "and OSPF routes &amp; their distances.</p>");
    question += text("generalfeedback", "<p>The longest prefix wins; distance only decides "
                                        "between equal prefixes.</p>");
    question += "    <defaultgrade>1.0000000</defaultgrade>\n    <penalty>0.3333333</penalty>\n"
                "    <hidden>0</hidden>\n    <idnumber></idnumber>\n    <single>true</single>\n"
                "    <shuffleanswers>true</shuffleanswers>\n"
                "    <answernumbering>abc</answernumbering>\n";
    question += text("correctfeedback", "Your answer is correct.");
    question += text("partiallycorrectfeedback", "Your answer is partially correct.");
    question += text("incorrectfeedback", "Your answer is incorrect.");
    question += "    <shownumcorrect/>\n";
    const char* answers[][3] = {{"100", "172.16.5.0/24", "The longest prefix."},
                                {"0", "172.16.4.0/22", "Shorter."},
                                {"0", "172.16.0.0/16", "Shorter still."},
                                {"0", "0.0.0.0/0", "The default route is the last resort."}};
    for (const auto& [fraction, answer, feedback] : answers) {
        question += QByteArray("    <answer fraction=\"") + fraction +
                    "\" format=\"html\">\n      <text><![CDATA[<p>" + answer + "</p>]]></text>\n" +
                    text("feedback", QByteArray("<p>") + feedback + "</p>") + "    </answer>\n";
    }
    return question + text("hint", "Compare the prefix lengths.") +
           "    <tags>\n      <tag><text>routing</text>\n      </tag>\n    </tags>\n"
           "  </question>\n\n";
}

// Each of `runs` loads of `contents`, written to a file called `name`, from the file to a filled
// bank of `records` records; no times and the reason when it cannot be written or is not read
// whole. The built-in bank is in use afterwards.
BankFileTimes time_file_loads(const QByteArray& contents, const QString& name, int records,
                              int runs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    BankFileTimes times;
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush();
    file.close();
    if (!written) {
        times.refusal = "cannot be written";
        return times;
    }
    times.bytes = contents.size();

    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        BankFileRead read = read_bank_file(path);
        if (!read.content || static_cast<int>(read.content->records.size()) != records) {
            times.refusal =
                read.content ? "not every record read" : "refused: " + read.refusal.toStdString();
            times.seconds.clear();
            break;
        }
        use_bank_content(std::move(read.content));
        load_bank();
        times.seconds.push_back(seconds_since(start));
    }
    use_bank_content(std::nullopt);
    load_bank();
    return times;
}

} // namespace

std::vector<double> time_load_bank(int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        load_bank();
        times.push_back(seconds_since(start));
    }
    return times;
}

BankFileTimes time_bank_file(int runs)
{
    // The built-in records, over and over, as a file of the largest bank there can be.
    use_bank_content(std::nullopt);
    load_bank();
    QJsonObject root = QJsonDocument::fromJson(bank_json(bank)).object();
    const QJsonArray built_in = root.value(QLatin1String("records")).toArray();
    QJsonArray records;
    for (int n = 0; n < max_question_count; ++n) {
        QJsonObject record = built_in.at(n % built_in.size()).toObject();
        record.remove(QLatin1String("number"));
        records.append(record);
    }
    root.remove(QLatin1String("question_count"));
    root.insert(QLatin1String("records"), records);
    return time_file_loads(QJsonDocument(root).toJson(QJsonDocument::Indented),
                           QStringLiteral("large.json"), max_question_count, runs);
}

BankFileTimes time_gift_file(int questions, int runs)
{
    QByteArray text;
    for (int n = 1; n <= questions; ++n) {
        if (n % 100 == 1)
            text += "$CATEGORY: $course$/top/Part " + QByteArray::number(n / 100 + 1) + "\n\n";
        text += "// question " + QByteArray::number(n) + "\n" + gift_question(n) + "\n";
    }
    return time_file_loads(text, QStringLiteral("large.gift"), questions, runs);
}

BankFileTimes time_xml_file(int questions, int runs)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    for (int n = 1; n <= questions; ++n) {
        if (n % 100 == 1)
            text +=
                "  <question type=\"category\">\n    <category>\n      <text>$course$/top/Part " +
                QByteArray::number(n / 100 + 1) + "</text>\n    </category>\n  </question>\n\n";
        text += xml_question(n);
    }
    return time_file_loads(text + "</quiz>\n", QStringLiteral("large.xml"), questions, runs);
}

NextTimes time_next(int count, bool recording)
{
    load_bank();
    running_quiz.bank_loaded();
    const QTemporaryDir dir;
    StudySession session(bank);
    if (recording && session.open(dir.filePath(QStringLiteral("next.sqlite3"))).isEmpty())
        running_quiz.watch(&session);

    NextTimes times;
    int quiz = 0;
    QuestWindow* window = nullptr;
    while (static_cast<int>(times.handler.size()) < count) {
        if (!window || quiz_state.current_question >= quiz_state.questions_per_quiz) {
            times.graded_right += window ? quiz_state.right_count : 0;
            window = start_quiz(quiz++ % 4 + 1);
        }
        if (times.handler.size() % 2 == 0)
            press_correct_choices(*window);
        const PaintSpy spy("quest");
        const auto start = Clock::now();
        window->NextButton_Click();
        times.handler.push_back(seconds_since(start));
        run_until_painted(spy);
        times.with_paint.push_back(seconds_since(start));
    }
    times.graded_right += quiz_state.right_count;
    quest.unload();
    settle();
    running_quiz.watch(nullptr);
    return times;
}

std::vector<double> time_progress_window(const QString& record, int runs)
{
    load_bank();
    StudySession session(bank);
    if (!session.open(record).isEmpty())
        return {};
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const PaintSpy spy("Progress");
        const auto start = Clock::now();
        ProgressWindow* window = Progress.load();
        window->show_figures(session.figures(QDate::currentDate()));
        CenterForm(*window);
        Progress.show();
        run_until_painted(spy);
        times.push_back(seconds_since(start));
        Progress.unload();
        settle();
    }
    return times;
}

std::vector<double> time_review(int graded_count, int runs)
{
    // The built-in records over and over, each with its chapter as its topic, as a bank file
    // whose quizzes are long enough.
    use_bank_content(std::nullopt);
    load_bank();
    BankContent content{bank.test_title, bank.author_contact, {}, {}};
    for (int n = 0; n < graded_count * 4; ++n) {
        const int source = n % bank.question_count + 1;
        QuestionRecord record = bank.record(source);
        record.topic = chapter_title(built_in_chapter(source, record));
        content.records.push_back(record);
    }
    use_bank_content(std::move(content));
    load_bank();
    running_quiz.bank_loaded();
    running_quiz.start(built_in_plan(shuffled(1), quiz_state.questions_per_quiz, 0));
    ChoiceFlags pressed{};
    while (running_quiz.next_question()) {
        // Every other reply right.
        for (std::size_t i = 1; i <= 6; ++i)
            pressed[i] = quiz_state.current_question % 2 == 0 &&
                         quiz_state.current_record.choice_correct[i] == 1;
        running_quiz.grade(pressed, {});
    }

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const PaintSpy spy("Review");
        const auto start = Clock::now();
        ReviewWindow* review = Review.load();
        review->show_attempt(running_quiz.attempt());
        CenterForm(*review);
        Review.show();
        run_until_painted(spy);
        times.push_back(seconds_since(start));
        Review.unload();
        settle();
    }
    use_bank_content(std::nullopt);
    load_bank();
    return times;
}

std::vector<double> time_exhibit(int megabytes, int runs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exhibit.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(exhibit_bytes(megabytes)) < 0)
        return {};
    file.close();

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const PaintSpy spy("Exhibit");
        const auto start = Clock::now();
        show_exhibit(path);
        run_until_painted(spy);
        times.push_back(seconds_since(start));
        Exhibit.unload();
        settle();
    }
    return times;
}
