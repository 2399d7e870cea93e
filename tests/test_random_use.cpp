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

const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 10> keys{{
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
            type_key({Qt::Key_N, Qt::AltModifier});
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
        const std::vector<QWidget*> windows = visible_windows();
        if (named(&window, "Welcome") || named(&window, "pick_a_quiz"))
            return Ending::surely;
        if (named(&window, "quest"))
            return std::any_of(
                       windows.begin(), windows.end(),
                       [](const QWidget* w) { return named(w, "Diagram") || named(w, "Exhibit"); })
                       ? Ending::never
                       : Ending::surely;
        if (named(&window, "Diagram") || named(&window, "Exhibit"))
            return windows.size() == 1 ? Ending::surely : Ending::never;
        return Ending::maybe;
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

    Ending type_key(std::pair<Qt::Key, Qt::KeyboardModifiers> stroke)
    {
        const auto [key, modifiers] = stroke;
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = QApplication::activeWindow();
        if (!target)
            return Ending::never;
        note(QStringLiteral("key ") + QKeySequence(key | modifiers).toString() +
             QStringLiteral(" on ") + path_of(*target));
        const Ending ending = may_end_program(target) ? Ending::maybe : Ending::never;
        QPointer<QAbstractButton> next =
            target->window()->findChild<QAbstractButton*>(QStringLiteral("NextButton"));
        QTest::keyClick(target, key, modifiers);
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
    // case with spaces around; now and then with the inner spaces doubled, which makes it wrong.
    bool answer_from_bank(QWidget& window)
    {
        const int qid = control<QLabel>(window, QStringLiteral("qid"))->text().toInt();
        const QuestionRecord& record = bank.record(qid);
        const auto box = [&](int i) {
            return control<QPlainTextEdit>(window, control_name("abox", i));
        };
        if (is_typed_answer(record.question_type)) {
            QStringList answers(record.choice_text.begin() + 1, record.choice_text.end());
            answers.removeIf([](const QString& answer) { return bare(answer).isEmpty(); });
            if (answers.isEmpty())
                return false;
            QString reply = answers[pick(static_cast<std::uint32_t>(answers.size()))];
            for (QChar& c : reply)
                c = pick(2) ? c.toLower() : c.toUpper();
            if (pick(4) == 0)
                reply.replace(QLatin1Char(' '), QStringLiteral("  "));
            reply = QString(pick(3), u' ') + reply + QString(pick(3), u' ');
            note(QStringLiteral("type \"%1\" as the answer").arg(reply));
            box(1)->setFocus();
            QTest::keyClick(box(1), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box(1), reply);
            return true;
        }
        note(QStringLiteral("press the correct choices of record %1").arg(qid));
        for (int i = 1; i <= 6; ++i) {
            auto* button = control<QAbstractButton>(window, control_name("QChoice", i));
            bool correct = false;
            for (std::size_t j = 1; j <= 6; ++j)
                correct |=
                    record.choice_correct[j] == 1 && record.choice_text[j] == box(i)->toPlainText();
            if (!button->isHidden() && button->isChecked() != correct)
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

    // Right exactly when the texts beside the pressed buttons are the record's correct choices,
    // or the typed text is one of its answers but for case and outer spaces.
    void grade_by_bank(const QWidget& window)
    {
        const int position =
            control<QLabel>(window, QStringLiteral("question_number"))->text().toInt();
        const int qid = control<QLabel>(window, QStringLiteral("qid"))->text().toInt();
        const QuestionRecord& record = bank.record(qid);
        bool right = false;
        if (is_typed_answer(record.question_type)) {
            const QString typed =
                bare(control<QPlainTextEdit>(window, control_name("abox", 1))->toPlainText());
            right = std::any_of(record.choice_text.begin() + 1, record.choice_text.end(),
                                [&](const QString& answer) {
                                    return !bare(answer).isEmpty() && bare(answer) == typed;
                                });
        } else {
            QStringList shown, pressed, stored, correct;
            for (int i = 1; i <= 6; ++i) {
                const auto j = static_cast<std::size_t>(i);
                if (!bare(record.choice_text[j]).isEmpty()) {
                    stored << record.choice_text[j];
                    if (record.choice_correct[j] == 1)
                        correct << record.choice_text[j];
                }
                const auto* button = control<QAbstractButton>(window, control_name("QChoice", i));
                if (button->isHidden())
                    continue;
                shown << control<QPlainTextEdit>(window, control_name("abox", i))->toPlainText();
                if (button->isChecked())
                    pressed << shown.constLast();
            }
            for (QStringList* texts : {&shown, &pressed, &stored, &correct})
                texts->sort();
            if (shown != stored)
                return fail(QStringLiteral("record %1 is shown with the choices %2")
                                .arg(qid)
                                .arg(shown.join(QLatin1Char('|'))));
            right = pressed == correct;
        }
        if (position != graded_by_bank_ + 1)
            return fail(QStringLiteral("NEXT at question %1 after %2 graded")
                            .arg(position)
                            .arg(graded_by_bank_));
        note(QStringLiteral("  by the bank, record %1 is %2")
                 .arg(qid)
                 .arg(right ? "right" : "wrong"));
        ++graded_by_bank_;
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
                QStringLiteral("the summary gives %1 of %2 right, the bank's flags %3 of %4")
                    .arg(right)
                    .arg(total)
                    .arg(right_by_bank_)
                    .arg(graded_by_bank_));
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
        const auto feedback = std::count_if(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->objectName() == QLatin1String("theanswer");
        });
        if (feedback > 1)
            return fail(QStringLiteral("%1 feedback windows are open").arg(feedback));
        const QuizState& state = quiz_state;
        if (quest.is_open() && quest.get() == watched_ && loop_level() == base_level_ &&
            !QApplication::activeModalWidget() && state.right_count != right_by_bank_)
            return fail(QStringLiteral("%1 right counted where the bank's flags make %2 of %3")
                            .arg(state.right_count)
                            .arg(right_by_bank_)
                            .arg(graded_by_bank_));
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
        QVERIFY2(user.whole_quizzes() >= 1, "no quiz was answered to its end");
        qInfo("seed %u: %d actions, %.0f actions per second", seed, user.actions_done(),
              user.actions_done() * 1000.0 /
                  static_cast<double>(std::max<qint64>(1, clock.elapsed())));
    }
};

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"
