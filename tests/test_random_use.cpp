// Random use of the real program: presses, keys, close requests and resizes across whatever windows
// are open, blocked ones included, with what must always hold checked after every action. Each
// reply is graded again from the bank's own record and the score held to it; a close request or
// Exit ends the program exactly when the rules say it does. When the program ends it is started
// anew. A failure prints the seed and the actions that led to it.
#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz_options.h"
#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"
#include "quiz/random_source.h"
#include "screens/modal_block.h"
#include "screens/window_builder.h"
#include "shell/form_ref.h"
#include "support/modal_watcher.h"
#include "support/test_app.h"
#include "windows/quest_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <random>
#include <string>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// The example bank brings the clue box, the viewers, typed answers and quizzes of five questions;
// study mode the Review window after each quiz, and retakes.
struct Seed {
    std::uint32_t seed;
    bool with_example_bank;
    bool review;
};
constexpr std::array<Seed, 6> seeds{{{11, false, false},
                                     {23, true, false},
                                     {37, false, false},
                                     {41, true, false},
                                     {53, false, false},
                                     {67, true, true}}};
const char* const example_bank = ORLIN_SOURCE_DIR "/examples/lab-bank/lab-bank.json";
constexpr int actions_per_seed = 4000;

// The actions since the last start, written out if a sanitizer stops the test before it can
// report.
std::string crash_log;

#if defined(__SANITIZE_ADDRESS__)
void write_crash_log()
{
    const std::string text = "\nActions before the crash:\n" + crash_log;
    [[maybe_unused]] const auto written = ::write(STDERR_FILENO, text.data(), text.size());
}

void install_crash_log()
{
    __sanitizer_set_death_callback(write_crash_log);
}
#else
void install_crash_log() {}
#endif

QString name_of(const QWidget& widget)
{
    const QString name = widget.objectName();
    return name.isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : name;
}

QString path_of(const QWidget& widget)
{
    const QWidget& window = *widget.window();
    return &window == &widget ? name_of(window)
                              : name_of(window) + QLatin1Char('/') + name_of(widget);
}

// Visible top-level windows in an order that does not depend on where they sit in memory.
std::vector<QWidget*> visible_windows()
{
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            windows.push_back(widget);
    }
    std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
        return std::make_pair(name_of(*a), a->windowTitle()) <
               std::make_pair(name_of(*b), b->windowTitle());
    });
    return windows;
}

bool named(const QWidget* widget, const char* name)
{
    return widget && widget->objectName() == QLatin1String(name);
}

// Buttons whose press may end the program: "Exit" and a viewer's close button.
bool may_end_program(const QWidget* target)
{
    const QWidget* window = target ? target->window() : nullptr;
    return named(target, "Command1") &&
           (named(window, "Welcome") || named(window, "Diagram") || named(window, "Exhibit"));
}

enum class Ending { never, maybe, surely };

// Outer spaces (code 32 only) off and upper case, as typed answers are compared.
QString bare(QString text)
{
    while (text.startsWith(u' '))
        text.remove(0, 1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text.toUpper();
}

const std::array<QKeyCombination, 10> keys{Qt::Key_Tab,    Qt::SHIFT | Qt::Key_Backtab,
                                           Qt::Key_Space,  Qt::Key_Return,
                                           Qt::Key_Escape, Qt::ALT | Qt::Key_N,
                                           Qt::Key_Left,   Qt::Key_Right,
                                           Qt::Key_Up,     Qt::Key_Down};

QAbstractButton* answer_button(const QWidget& window, int i)
{
    return control<QAbstractButton>(window, control_name("QChoice", i));
}

QPlainTextEdit* answer_box(const QWidget& window, int i)
{
    return control<QPlainTextEdit>(window, control_name("abox", i));
}

int number_on(const QWidget& window, const char* label)
{
    return control<QLabel>(window, QString::fromLatin1(label))->text().toInt();
}

// The record's non-blank choice texts, sorted; or only those flagged correct.
QStringList choices(const QuestionRecord& record, bool correct_only)
{
    QStringList texts;
    for (std::size_t j = 1; j <= 6; ++j) {
        if (!bare(record.choice_text[j]).isEmpty() &&
            (!correct_only || record.choice_correct[j] == 1))
            texts << record.choice_text[j];
    }
    texts.sort();
    return texts;
}

int loop_level()
{
    return static_cast<int>(QThread::currentThread()->loopLevel());
}

class RandomUser : public QObject {
public:
    RandomUser(std::uint32_t seed, int actions) : engine_(seed), seed_(seed), actions_(actions) {}

    // Runs every action; returns the first thing that did not hold, or an empty text.
    QString run()
    {
        random_source.stop_clock(seed_);
        restart();
        QEventLoop loop;
        base_loop_ = &loop;
        base_level_ = loop_level() + 1;
        schedule();
        loop.exec();
        return failure_;
    }

    int actions_done() const { return done_; }
    int whole_quizzes() const { return whole_quizzes_; }

private:
    std::uint32_t pick(std::uint32_t count) { return engine_() % count; }

    void schedule()
    {
        QTimer::singleShot(0, this, [this] { tick(); });
    }

    // One action per tick. The next tick is due before the action, so that a modal window the
    // action opens gets its actions from inside its own loop.
    void tick()
    {
        schedule();
        if (loop_level() == waiting_level_)
            return;
        read_summary();
        // Checked a tick later, once the posted work of the action (deferred closes, the end of
        // the program) has run.
        if (checking_) {
            checking_ = false;
            check(ending_);
        }
        if (finishing_ || !failure_.isEmpty()) {
            finish();
            return;
        }
        if (program_ended()) {
            if (loop_level() == base_level_)
                restart();
            else
                close_modal();
            return;
        }
        act();
    }

    void restart()
    {
        FormSlot::discard_all();
        reset_program_ended();
        crash_log.clear();
        log_.clear();
        note(QStringLiteral("start"));
        start_program();
    }

    void finish()
    {
        finishing_ = true;
        if (close_modal())
            return;
        if (loop_level() == base_level_)
            base_loop_->quit();
    }

    bool close_modal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return false;
        ModalWatcher::press_default_button(*modal);
        return true;
    }

    void note(const QString& what)
    {
        log_.push_back(what);
        crash_log += what.toStdString() + '\n';
    }

    // Until the first summary the user acts as a student: no Quit Test, Exit or close box; answer
    // buttons and NEXT come first, now and then the bank's own answer.
    void act()
    {
        watch_next_button();
        const std::vector<QWidget*> windows = visible_windows();
        if (windows.empty())
            return;
        QWidget& window = *windows[pick(static_cast<std::uint32_t>(windows.size()))];
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* question =
            quest.is_open() && quest.get()->isVisible() && !modal ? quest.get() : nullptr;
        Ending ending = Ending::never;
        const std::uint32_t kind = pick(100);
        if (student_ && modal) {
            note(QStringLiteral("default button of ") + path_of(*modal));
            ModalWatcher::press_default_button(*modal);
        } else if (student_ && question && kind < 10) {
            type_key(Qt::ALT | Qt::Key_N);
        } else if (question && kind < (student_ ? 50 : 6)) {
            // A typed answer is sent at once, before stray keys land in its box.
            bool send = kind < 35;
            if (kind >= 35 || !student_)
                send = answer_from_bank(*question) || !student_;
            if (send) {
                note(QStringLiteral("click quest/NextButton"));
                control<QAbstractButton>(*question, QStringLiteral("NextButton"))->click();
            }
        } else if (student_ || kind < 50) {
            ending = press_a_button(student_ && question && kind < 90 ? *question : window);
        } else if (kind < 85) {
            ending = type_key(keys[pick(keys.size())]);
        } else if (kind < 93) {
            resize(window);
        } else {
            ending = request_close(window);
        }
        ++done_;
        checking_ = true;
        ending_ = ending;
        if (done_ >= actions_)
            finishing_ = true;
    }

    // What the rules let an action end: closing the welcome or the options window ends the
    // program, the question window too unless a viewer is open, a viewer only as the last window;
    // nothing ends while a modal window is open.
    Ending ending_on_close(const QWidget& window) const
    {
        if (QApplication::activeModalWidget())
            return Ending::never;
        // Inside a nested loop the end waits until that loop returns.
        if (loop_level() != base_level_)
            return Ending::maybe;
        const std::vector<QWidget*> open = visible_windows();
        const auto viewer = [](const QWidget* w) {
            return named(w, "Diagram") || named(w, "Exhibit");
        };
        const bool question = named(&window, "quest");
        if (named(&window, "Welcome") || named(&window, "pick_a_quiz") ||
            (question && std::none_of(open.begin(), open.end(), viewer)) ||
            (viewer(&window) && open.size() == 1))
            return Ending::surely;
        return question || viewer(&window) ? Ending::never : Ending::maybe;
    }

    Ending press_a_button(QWidget& window)
    {
        std::vector<QAbstractButton*> buttons;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->isVisibleTo(&window) &&
                !(student_ && (may_end_program(button) || named(button, "quitquiz"))))
                buttons.push_back(button);
        }
        if (buttons.empty())
            return Ending::never;
        QAbstractButton& button = *buttons[pick(static_cast<std::uint32_t>(buttons.size()))];
        // A screen reader can press what Qt's own blocking keeps from mouse and keys; its press
        // action clicks 100 ms later, which would make a run depend on the clock, so buttons of
        // windows that nothing blocks are clicked from code.
        if (blocked_by_modal(button)) {
            note(QStringLiteral("screen reader presses ") + path_of(button) +
                 QStringLiteral(" (blocked)"));
            QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&button);
            view->actionInterface()->doAction(button.isCheckable()
                                                  ? QAccessibleActionInterface::toggleAction()
                                                  : QAccessibleActionInterface::pressAction());
            return Ending::never;
        }
        note(QStringLiteral("click ") + path_of(button));
        const Ending ending = !may_end_program(&button)   ? Ending::never
                              : named(&window, "Welcome") ? Ending::surely
                                                          : ending_on_close(window);
        button.click();
        return ending;
    }

    Ending type_key(QKeyCombination stroke)
    {
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        if (!target)
            return Ending::never;
        note(QStringLiteral("key ") + QKeySequence(stroke).toString() + QStringLiteral(" on ") +
             path_of(*target));
        const Ending ending = may_end_program(target) ? Ending::maybe : Ending::never;
        QPointer<QAbstractButton> next =
            target->window()->findChild<QAbstractButton*>(QStringLiteral("NextButton"));
        QTest::keyClick(target, stroke.key(), stroke.keyboardModifiers());
        // Alt+N presses NEXT and releases it 100 ms later; nothing else happens meanwhile.
        if (next && next->isDown())
            wait_until_released(*next);
        return ending;
    }

    void wait_until_released(QAbstractButton& button)
    {
        QEventLoop wait;
        connect(&button, &QAbstractButton::released, &wait, &QEventLoop::quit);
        connect(&button, &QObject::destroyed, &wait, &QEventLoop::quit);
        QTimer::singleShot(1000, &wait, &QEventLoop::quit);
        const int outer = waiting_level_;
        waiting_level_ = loop_level() + 1;
        wait.exec();
        waiting_level_ = outer;
    }

    void resize(QWidget& window)
    {
        const int width = 1 + static_cast<int>(pick(4000));
        const int height = 1 + static_cast<int>(pick(3000));
        note(QStringLiteral("resize %1 to %2 x %3").arg(path_of(window)).arg(width).arg(height));
        window.resize(width, height);
    }

    // As the title bar's close box sends it.
    Ending request_close(QWidget& window)
    {
        note(QStringLiteral("close box of ") + path_of(window));
        const Ending ending = ending_on_close(window);
        QCloseEvent close;
        QCoreApplication::sendEvent(window.windowHandle(), &close);
        return ending;
    }

    // A student's reply from the bank: its correct choices, or one of its typed answers in any
    // case with spaces around; now and then with its spaces doubled, which makes it wrong. True
    // when it was typed.
    bool answer_from_bank(const QWidget& window)
    {
        const QuestionRecord& record = bank.record(number_on(window, "qid"));
        const QStringList answers = choices(record, false);
        if (is_typed_answer(record.question_type) && !answers.isEmpty()) {
            QString reply = answers[pick(static_cast<std::uint32_t>(answers.size()))];
            for (QChar& c : reply)
                c = pick(2) ? c.toLower() : c.toUpper();
            reply = QString(pick(3), u' ') + reply + QString(pick(3), u' ');
            if (pick(4) == 0)
                reply.replace(QLatin1Char(' '), QStringLiteral("  "));
            note(QStringLiteral("type \"%1\"").arg(reply));
            answer_box(window, 1)->setFocus();
            QTest::keyClick(answer_box(window, 1), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(answer_box(window, 1), reply);
            return true;
        }
        note(QStringLiteral("press the correct choices"));
        const QStringList correct = choices(record, true);
        for (int i = 1; i <= 6; ++i) {
            QAbstractButton* button = answer_button(window, i);
            if (!button->isHidden() &&
                button->isChecked() != correct.contains(answer_box(window, i)->toPlainText()))
                button->click();
        }
        return false;
    }

    // Grades each reply the program acts on, at the release of NEXT that no modal window blocked
    // when it went down or blocks now, by what the screen shows and the bank's own record.
    void watch_next_button()
    {
        QWidget* window = quest.is_open() ? quest.get() : nullptr;
        if (!window || window == watched_)
            return;
        watched_ = window;
        right_by_bank_ = 0;
        graded_by_bank_ = 0;
        auto* next = control<QAbstractButton>(*window, QStringLiteral("NextButton"));
        connect(next, &QAbstractButton::pressed, this,
                [this] { next_went_down_free_ = !QApplication::activeModalWidget(); });
        connect(next, &QAbstractButton::released, this, [this, window] {
            if (next_went_down_free_ && !QApplication::activeModalWidget())
                grade_by_bank(*window);
        });
    }

    // Right exactly when the texts beside the pressed buttons are the record's correct choices, or
    // the typed text is one of its answers but for case and outer spaces.
    void grade_by_bank(const QWidget& window)
    {
        const int qid = number_on(window, "qid");
        const QuestionRecord& record = bank.record(qid);
        const QStringList answers = choices(record, false);
        const QString typed = bare(answer_box(window, 1)->toPlainText());
        QStringList shown, pressed;
        for (int i = 1; i <= 6; ++i) {
            if (answer_button(window, i)->isHidden())
                continue;
            shown << answer_box(window, i)->toPlainText();
            if (answer_button(window, i)->isChecked())
                pressed << shown.constLast();
        }
        shown.sort();
        pressed.sort();
        const bool typed_answer = is_typed_answer(record.question_type);
        const bool right =
            typed_answer ? std::any_of(answers.begin(), answers.end(),
                                       [&](const QString& answer) { return bare(answer) == typed; })
                         : pressed == choices(record, true);
        if (!typed_answer && shown != answers)
            fail(QStringLiteral("record %1 is shown with the choices ").arg(qid) +
                 shown.join(QLatin1Char('|')));
        if (number_on(window, "question_number") != ++graded_by_bank_)
            fail(QString::asprintf("NEXT at question %d is reply %d of the quiz",
                                   number_on(window, "question_number"), graded_by_bank_));
        note(QStringLiteral("  by the bank, record %1 is ").arg(qid) + (right ? "right" : "wrong"));
        right_by_bank_ += right ? 1 : 0;
    }

    // The summary's figures against the bank's grading; a whole quiz is one finished by NEXT.
    void read_summary()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == summary_ || box->windowTitle() != QLatin1String("Test Complete!"))
            return;
        summary_ = box;
        student_ = false;
        const QRegularExpressionMatch figures =
            QRegularExpression(QStringLiteral("= *(\\d+)/ *(\\d+)")).match(box->text());
        const int right = figures.captured(1).toInt();
        const int total = figures.captured(2).toInt();
        note(QStringLiteral("summary: %1 of %2").arg(right).arg(total));
        if (right != right_by_bank_ || total != graded_by_bank_)
            return fail(
                QString::asprintf("the summary gives %d of %d right, the bank's flags %d of %d",
                                  right, total, right_by_bank_, graded_by_bank_));
        if (total == quiz_state.questions_per_quiz)
            ++whole_quizzes_;
    }

    void check(Ending ending)
    {
        // The program ends from the event loop once its last window has gone; at the outer level
        // nothing of the program is running, so that can happen now.
        if (visible_windows().empty() && loop_level() == base_level_)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (program_ended()) {
            if (ending == Ending::never)
                fail(QStringLiteral("the program ended on an action that cannot end it"));
            return;
        }
        if (ending == Ending::surely)
            return fail(QStringLiteral("the program runs on after an action that ends it"));
        const std::vector<QWidget*> windows = visible_windows();
        if (windows.empty())
            return fail(QStringLiteral("no window is visible while the program runs"));
        const auto modal = std::count_if(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->windowModality() != Qt::NonModal;
        });
        if (modal > 1)
            return fail(QStringLiteral("%1 modal windows are open at once").arg(modal));
        const QuizState& state = quiz_state;
        if (quest.is_open() && quest.get() == watched_ && loop_level() == base_level_ &&
            !QApplication::activeModalWidget() && state.right_count != right_by_bank_)
            return fail(QString::asprintf("%d right counted where the bank's flags make %d of %d",
                                          state.right_count, right_by_bank_, graded_by_bank_));
        if (const QWidget* focus = QApplication::focusWidget();
            named(focus, "Q1") || named(focus, "Text1"))
            return fail(QStringLiteral("a text that passes the focus on kept it"));
        if (quest.is_open() && !QApplication::activeModalWidget() && state.current_question >= 1)
            check_question_window(*quest.get());
    }

    // What the question window shows and tells screen readers follows the quiz: the progress
    // labels, the gauge, each answer button's name, NEXT's description and the aid buttons.
    void check_question_window(const QWidget& window)
    {
        const QuizState& state = quiz_state;
        const QuestionRecord& shown = state.current_record;
        const int graded = state.current_question - 1;
        QStringList expected, seen;
        const auto label = [&](const char* name, const QString& due) {
            expected << due;
            seen << control<QLabel>(window, QString::fromLatin1(name))->text();
        };
        const auto shows = [&](const QString& name, bool due) {
            expected << QString::number(due);
            seen << QString::number(!control<QWidget>(window, name)->isHidden());
        };
        const auto text_of = [](int number, const char* after) {
            return number_text(number) + QLatin1String(after);
        };
        label("question_number", number_text(state.current_question));
        label("qid", number_text(state.current_qid));
        label("score", graded ? text_of(state.right_count, "/") + number_text(graded) : QString());
        label("Percent_Right",
              graded ? text_of(percent_right(state.right_count, graded), "%") : QString());
        // The rule measures the navy gauge as the last resize left it.
        QWidget* navy = control<QWidget>(window, QStringLiteral("Gauge1"));
        const float bar = gauge_height(state.right_count, graded,
                                       static_cast<float>(navy->height() * twips_per_pixel));
        shows(QStringLiteral("the_gauge"), graded && gauge_shown(bar));
        expected << QString::number(percent_right(state.right_count, graded));
        seen << QAccessible::queryAccessibleInterface(navy)
                    ->valueInterface()
                    ->currentValue()
                    .toString();
        const QString description =
            control<QWidget>(window, QStringLiteral("NextButton"))->accessibleDescription();
        for (int i = 1; i <= 6; ++i) {
            QString name(QChar(u'A' + i - 1));
            if (!answer_button(window, i)->isHidden()) {
                name += QLatin1String(": ") + answer_box(window, i)->toPlainText();
                if (!description.contains(name))
                    return fail(QStringLiteral("NEXT does not read out ") + name);
            }
            expected << name;
            seen << answer_button(window, i)->accessibleName();
        }
        shows(QStringLiteral("cluebutton"), !is_blank(shown.clue));
        for (std::size_t i = 1; i <= 3; ++i) {
            shows(control_name("diagrambutton", static_cast<int>(i)),
                  !is_blank(shown.diagram_file[i]));
            shows(control_name("exhibitbutton", static_cast<int>(i)),
                  !is_blank(shown.exhibit_file[i]));
        }
        if (seen != expected)
            fail(QStringLiteral("the question window shows %1 where %2 is due")
                     .arg(seen.join(QLatin1Char('|')), expected.join(QLatin1Char('|'))));
    }

    void fail(const QString& what)
    {
        if (!failure_.isEmpty())
            return;
        const qsizetype first = std::max<qsizetype>(0, static_cast<qsizetype>(log_.size()) - 300);
        QStringList shown(log_.begin() + first, log_.end());
        failure_ = QStringLiteral("seed %1, action %2: %3\nActions since the start:\n%4")
                       .arg(seed_)
                       .arg(done_)
                       .arg(what, shown.join(QLatin1Char('\n')));
    }

    std::mt19937 engine_;
    std::uint32_t seed_;
    int actions_;
    int done_ = 0;
    bool finishing_ = false;
    bool checking_ = false;
    Ending ending_ = Ending::never;
    bool student_ = true;
    QPointer<QWidget> watched_;
    bool next_went_down_free_ = false;
    int right_by_bank_ = 0;
    int graded_by_bank_ = 0;
    QPointer<QWidget> summary_;
    int whole_quizzes_ = 0;
    QEventLoop* base_loop_ = nullptr;
    int base_level_ = 0;
    int waiting_level_ = -1;
    std::vector<QString> log_;
    QString failure_;
};

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepare_test_app();
        install_crash_log();
    }
    void cleanup() { tear_down_windows(); }

    void random_use_keeps_the_program_whole_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        QTest::addColumn<bool>("with_example_bank");
        QTest::addColumn<bool>("review");
        for (const auto& [seed, with_example_bank, review] : seeds)
            QTest::addRow("seed %u%s%s", seed, with_example_bank ? ", example bank" : "",
                          review ? ", review" : "")
                << seed << with_example_bank << review;
    }

    void random_use_keeps_the_program_whole()
    {
        QFETCH(std::uint32_t, seed);
        QFETCH(bool, with_example_bank);
        QFETCH(bool, review);
        study_options.review = review;
        const auto no_review_again = qScopeGuard([] { study_options.review = false; });
        if (with_example_bank) {
            BankFileRead read = read_bank_file(QString::fromUtf8(example_bank));
            QVERIFY2(read.content, qPrintable(read.refusal));
            use_bank_content(std::move(read.content));
        }
        const auto built_in_again = qScopeGuard([] { use_bank_content(std::nullopt); });
        QElapsedTimer clock;
        clock.start();
        RandomUser user(seed, actions_per_seed);
        const QString failure = user.run();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(user.whole_quizzes() >= 1, "no quiz was answered to its end");
        qInfo("seed %u: %d actions, %.0f actions per second", seed, user.actions_done(),
              user.actions_done() * 1000.0 /
                  static_cast<double>(std::max<qint64>(1, clock.elapsed())));
    }
};

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"
