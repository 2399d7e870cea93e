// Random use of the real program: presses, keys, close requests and resizes across whatever windows
// are open, blocked ones included, with what must always hold checked after every action. When the
// program ends it is started anew. A failure prints the seed and the actions that led to it.
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
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
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

// Buttons whose press may end the program: "Exit" and a viewer's close button.
bool may_end_program(const QWidget* target)
{
    if (!target || target->objectName() != QLatin1String("Command1"))
        return false;
    const QString window = target->window()->objectName();
    return window == QLatin1String("Welcome") || window == QLatin1String("Diagram") ||
           window == QLatin1String("Exhibit");
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
        // Checked a tick later, once the posted work of the action (deferred closes, the end of
        // the program) has run.
        if (checking_) {
            checking_ = false;
            check(may_end_);
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

    void act()
    {
        const std::vector<QWidget*> windows = visible_windows();
        if (windows.empty())
            return;
        QWidget& window = *windows[pick(static_cast<std::uint32_t>(windows.size()))];
        bool may_end = false;
        const std::uint32_t kind = pick(100);
        if (kind < 50)
            may_end = press_a_button(window);
        else if (kind < 85)
            may_end = type_a_key();
        else if (kind < 93)
            resize(window);
        else
            may_end = request_close(window);
        ++done_;
        checking_ = true;
        may_end_ = may_end;
        if (done_ >= actions_)
            finishing_ = true;
    }

    bool press_a_button(QWidget& window)
    {
        std::vector<QAbstractButton*> buttons;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (button->isVisibleTo(&window))
                buttons.push_back(button);
        }
        if (buttons.empty())
            return false;
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
            return false;
        }
        note(QStringLiteral("click ") + path_of(button));
        const bool may_end = may_end_program(&button);
        button.click();
        return may_end;
    }

    bool type_a_key()
    {
        static const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 10> keys{{
            {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_N, Qt::AltModifier},
            {Qt::Key_Left, Qt::NoModifier},
            {Qt::Key_Right, Qt::NoModifier},
            {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},
        }};
        const auto [key, modifiers] = keys[pick(keys.size())];
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        if (!target)
            return false;
        note(QStringLiteral("key ") + QKeySequence(key | modifiers).toString() +
             QStringLiteral(" on ") + path_of(*target));
        const bool may_end = may_end_program(target);
        QPointer<QAbstractButton> next =
            target->window()->findChild<QAbstractButton*>(QStringLiteral("NextButton"));
        QTest::keyClick(target, key, modifiers);
        // Alt+N presses NEXT and releases it 100 ms later; nothing else happens meanwhile.
        if (next && next->isDown())
            wait_until_released(*next);
        return may_end;
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
    bool request_close(QWidget& window)
    {
        note(QStringLiteral("close box of ") + path_of(window));
        QCloseEvent close;
        QCoreApplication::sendEvent(window.windowHandle(), &close);
        return true;
    }

    void check(bool may_end)
    {
        // The program ends from the event loop once its last window has gone; at the outer level
        // nothing of the program is running, so that can happen now.
        if (visible_windows().empty() && loop_level() == base_level_)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (program_ended()) {
            if (!may_end)
                fail(QStringLiteral("the program ended on an action that cannot end it"));
            return;
        }
        const std::vector<QWidget*> windows = visible_windows();
        if (windows.empty())
            return fail(QStringLiteral("no window is visible while the program runs"));
        const auto modal = std::count_if(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->windowModality() != Qt::NonModal;
        });
        if (modal > 1)
            return fail(QStringLiteral("%1 modal windows are open at once").arg(modal));
        const auto feedback = std::count_if(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->objectName() == QLatin1String("theanswer");
        });
        if (feedback > 1)
            return fail(QStringLiteral("%1 feedback windows are open").arg(feedback));
        const QuizState& state = quiz_state;
        if (quest.is_open() &&
            !(0 <= state.right_count && state.right_count <= state.current_question &&
              state.current_question <= state.questions_per_quiz))
            return fail(QStringLiteral("score %1 of %2 at a quiz of %3")
                            .arg(state.right_count)
                            .arg(state.current_question)
                            .arg(state.questions_per_quiz));
        if (const QWidget* focus = QApplication::focusWidget();
            focus && (focus->objectName() == QLatin1String("Q1") ||
                      focus->objectName() == QLatin1String("Text1")))
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
        const auto text = [&](const char* name) {
            return control<QLabel>(window, QString::fromLatin1(name))->text();
        };
        const auto visible = [&](const QString& name) {
            return !control<QWidget>(window, name)->isHidden();
        };
        QStringList expected{
            number_text(state.current_question), number_text(state.current_qid),
            graded ? number_text(state.right_count) + QLatin1Char('/') + number_text(graded)
                   : QString(),
            graded ? number_text(percent_right(state.right_count, graded)) + QLatin1Char('%')
                   : QString()};
        QStringList seen{text("question_number"), text("qid"), text("score"),
                         text("Percent_Right")};
        // The rule measures the navy gauge as the last resize left it.
        const auto gauge_twips =
            control<QWidget>(window, QStringLiteral("Gauge1"))->height() * twips_per_pixel;
        const float bar = gauge_height(state.right_count, graded, static_cast<float>(gauge_twips));
        expected << QString::number(graded && gauge_shown(bar));
        seen << QString::number(visible(QStringLiteral("the_gauge")));
        QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(
            control<QWidget>(window, QStringLiteral("Gauge1")));
        expected << QString::number(percent_right(state.right_count, graded));
        seen << gauge->valueInterface()->currentValue().toString();
        const QString description =
            control<QWidget>(window, QStringLiteral("NextButton"))->accessibleDescription();
        for (int i = 1; i <= 6; ++i) {
            const QString letter(QChar(u'A' + i - 1));
            const QString button = control_name("QChoice", i);
            QString name = letter;
            if (visible(button)) {
                name += QLatin1String(": ") +
                        control<QPlainTextEdit>(window, control_name("abox", i))->toPlainText();
                if (!description.contains(name))
                    return fail(QStringLiteral("NEXT does not read out ") + name);
            }
            expected << name;
            seen << control<QWidget>(window, button)->accessibleName();
        }
        expected << QString::number(!is_blank(shown.clue));
        seen << QString::number(visible(QStringLiteral("cluebutton")));
        for (int i = 1; i <= 3; ++i) {
            const auto field = static_cast<std::size_t>(i);
            expected << QString::number(!is_blank(shown.diagram_file[field]))
                     << QString::number(!is_blank(shown.exhibit_file[field]));
            seen << QString::number(visible(control_name("diagrambutton", i)))
                 << QString::number(visible(control_name("exhibitbutton", i)));
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
    bool may_end_ = false;
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

    // The route that once freed the summary box twice: Quit Test pressed by a screen reader while
    // the summary is open.
    void quit_test_under_the_summary_opens_nothing_more()
    {
        quiz_driver::start_quiz(1);
        QPointer<QAbstractButton> quit =
            qobject_cast<QAbstractButton*>(&quiz_driver::quest_control(QStringLiteral("quitquiz")));
        int summaries_seen = 0;
        ModalWatcher watcher([&](QWidget& modal) {
            if (++summaries_seen > 1 || !quit) {
                ModalWatcher::press_default_button(modal);
                return;
            }
            QAccessible::queryAccessibleInterface(quit)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            QTimer::singleShot(300, &modal,
                               [&modal] { ModalWatcher::press_default_button(modal); });
        });
        quiz_driver::press_quit();
        QTRY_VERIFY(Welcome.is_open() && Welcome.get()->isVisible());
        settle();
        QCOMPARE(summaries_seen, 1);
        QVERIFY(!quest.is_open());
        QVERIFY(!watcher.stuck());
    }

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
        qInfo("seed %u: %d actions, %.0f actions per second", seed, user.actions_done(),
              user.actions_done() * 1000.0 /
                  static_cast<double>(std::max<qint64>(1, clock.elapsed())));
    }
};

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"
