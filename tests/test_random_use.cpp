// Random presses, keys, close requests and resizes on all open windows, blocked ones included, with
// invariants checked after each; replies graded again by the bank's flags; the program ends exactly
// when the rules say and is then started anew. A failure prints the actions that led to it.
#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz.h"
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
#include <QEventLoop>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <random>

namespace {

// seed, example bank (clue box, viewers, typed answers, quizzes of five), study mode (Review,
// retakes)
constexpr std::tuple<std::uint32_t, bool, bool> seeds[]{{11, 0, 0}, {23, 1, 0}, {37, 0, 0},
                                                        {41, 1, 0}, {53, 0, 0}, {67, 1, 1}};
constexpr int actions_per_seed = 4000;

bool named(const QWidget* widget, const char* name)
{
    return widget && widget->objectName() == QLatin1String(name);
}

QString path_of(const QWidget& widget)
{
    const auto name = [](const QWidget& w) {
        return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className())
                                        : w.objectName();
    };
    const QWidget& window = *widget.window();
    return &window == &widget ? name(window) : name(window) + QLatin1Char('/') + name(widget);
}

// Visible top-level windows in an order that does not depend on where they sit in memory.
std::vector<QWidget*> visible_windows()
{
    std::vector<QWidget*> windows;
    std::ranges::copy_if(QApplication::topLevelWidgets(), std::back_inserter(windows),
                         &QWidget::isVisible);
    std::ranges::sort(windows, {},
                      [](QWidget* w) { return std::pair(path_of(*w), w->windowTitle()); });
    return windows;
}

bool viewer(const QWidget* window)
{
    return named(window, "Diagram") || named(window, "Exhibit");
}

// "Exit" and a viewer's close button.
bool may_end_program(const QWidget* target)
{
    const QWidget* window = target ? target->window() : nullptr;
    return named(target, "Command1") && (named(window, "Welcome") || viewer(window));
}

// As typed answers are compared: outer spaces (code 32 only) off, case ignored.
QString bare(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("^ +| +\\z"))).toUpper();
}

const QStringList keys =
    QStringLiteral("Tab Shift+Backtab Space Return Esc Alt+N Left Right Up Down").split(u' ');

// The record's non-blank choice texts, sorted; or only those flagged correct.
QStringList choices(const QuestionRecord& record, bool correct_only)
{
    QStringList texts;
    for (std::size_t j = 1; j <= 6; ++j)
        if (!bare(record.choice_text[j]).isEmpty() &&
            (!correct_only || record.choice_correct[j] == 1))
            texts << record.choice_text[j];
    texts.sort();
    return texts;
}

enum class Ending { never, maybe, surely };

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
        QTimer::singleShot(0, this, [this] { tick(); });
        loop.exec();
        if (failure_.isEmpty() && whole_quizzes_ < 1)
            failure_ = QStringLiteral("seed %1: no quiz was answered to its end").arg(seed_);
        return failure_;
    }

private:
    static int loop_level() { return static_cast<int>(QThread::currentThread()->loopLevel()); }
    static QAbstractButton* answer_button(const QWidget& w, int i)
    {
        return control<QAbstractButton>(w, control_name("QChoice", i));
    }
    static QPlainTextEdit* answer_box(const QWidget& w, int i)
    {
        return control<QPlainTextEdit>(w, control_name("abox", i));
    }
    static QString text_on(const QWidget& w, const char* label)
    {
        return control<QLabel>(w, QString::fromLatin1(label))->text();
    }
    static int number_on(const QWidget& w, const char* label) { return text_on(w, label).toInt(); }
    std::uint32_t pick(std::size_t count) { return engine_() % static_cast<std::uint32_t>(count); }

    // One action per tick. The next tick is due before the action, so that a modal window the
    // action opens gets its actions from inside its own loop.
    void tick()
    {
        QTimer::singleShot(0, this, [this] { tick(); });
        if (loop_level() == waiting_level_)
            return;
        read_summary();
        // A tick late, once the posted work of the action (deferred closes, the end) has run.
        if (checking_) {
            checking_ = false;
            check(ending_);
        }
        if (finishing_ || !failure_.isEmpty()) {
            finishing_ = true;
            if (!close_modal() && loop_level() == base_level_)
                base_loop_->quit();
        } else if (program_ended()) {
            if (loop_level() != base_level_)
                close_modal();
            else
                restart();
        } else {
            act();
        }
    }

    void restart()
    {
        FormSlot::discard_all();
        reset_program_ended();
        log_ = QStringList{QString(), QStringLiteral("Actions since the start:")};
        note(QStringLiteral("start"));
        start_program();
    }

    bool close_modal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            note(QStringLiteral("default button of ") + path_of(*modal));
            ModalWatcher::press_default_button(*modal);
        }
        return modal;
    }

    void note(const QString& what) { log_ << what; }

    // Until the first summary the user acts as a student: no Quit Test, Exit or close box; answer
    // buttons and NEXT come first, now and then the bank's own answer.
    void act()
    {
        watch_next_button();
        const std::vector<QWidget*> windows = visible_windows();
        if (windows.empty())
            return;
        QWidget& window = *windows[pick(windows.size())];
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* question =
            quest.is_open() && quest.get()->isVisible() && !modal ? quest.get() : nullptr;
        ending_ = Ending::never;
        const std::uint32_t kind = pick(100);
        if (student_ && modal) {
            close_modal();
        } else if (student_ && question && kind < 10) {
            type_key(Qt::ALT | Qt::Key_N);
        } else if (question && kind < (student_ ? 50 : 6)) {
            // A typed answer is sent at once, before stray keys land in its box.
            if ((student_ && kind < 35) || answer_from_bank(*question) || !student_) {
                note(QStringLiteral("click quest/NextButton"));
                control<QAbstractButton>(*question, QStringLiteral("NextButton"))->click();
            }
        } else if (student_ || kind < 50) {
            ending_ = press_a_button(student_ && question && kind < 90 ? *question : window);
        } else if (kind < 85) {
            ending_ = type_key(QKeySequence(keys[pick(keys.size())])[0]);
        } else if (kind < 93) {
            const int width = 1 + static_cast<int>(pick(4000));
            const int height = 1 + static_cast<int>(pick(3000));
            note(QStringLiteral("resize %1 %2x%3").arg(path_of(window)).arg(width).arg(height));
            window.resize(width, height);
        } else {
            note(QStringLiteral("close box of ") + path_of(window)); // as the title bar sends it
            ending_ = ending_on_close(window);
            QCloseEvent close;
            QCoreApplication::sendEvent(window.windowHandle(), &close);
        }
        checking_ = true;
        finishing_ = ++done_ >= actions_;
    }

    // Closing the welcome or the options window ends the program, the question window too unless
    // a viewer is open, a viewer only as the last window; nothing while a modal is open, maybe in a
    // nested loop.
    Ending ending_on_close(const QWidget& window) const
    {
        if (QApplication::activeModalWidget())
            return Ending::never;
        if (loop_level() != base_level_)
            return Ending::maybe;
        const std::vector<QWidget*> open = visible_windows();
        const bool question = named(&window, "quest");
        if (named(&window, "Welcome") || named(&window, "pick_a_quiz") ||
            (question && std::none_of(open.begin(), open.end(), viewer)) ||
            (viewer(&window) && open.size() == 1))
            return Ending::surely;
        return question || viewer(&window) ? Ending::never : Ending::maybe;
    }

    Ending press_a_button(QWidget& window)
    {
        QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
        buttons.removeIf([&](QAbstractButton* b) {
            return !b->isVisibleTo(&window) ||
                   (student_ && (may_end_program(b) || named(b, "quitquiz")));
        });
        if (buttons.empty())
            return Ending::never;
        QAbstractButton& button = *buttons[pick(buttons.size())];
        // A screen reader can press what Qt's blocking keeps from mouse and keys; its press clicks
        // 100 ms later, so buttons that nothing blocks are clicked from code to keep runs exact.
        if (blocked_by_modal(button)) {
            note(QStringLiteral("screen reader presses ") + path_of(button));
            QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&button);
            view->actionInterface()->doAction(button.isCheckable()
                                                  ? QAccessibleActionInterface::toggleAction()
                                                  : QAccessibleActionInterface::pressAction());
            wait_for_release(&button);
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
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                      : QApplication::activeWindow();
        if (!target)
            return Ending::never;
        note(QStringLiteral("key ") + QKeySequence(stroke).toString() + QStringLiteral(" on ") +
             path_of(*target));
        QPointer<QAbstractButton> next =
            target->window()->findChild<QAbstractButton*>(QStringLiteral("NextButton"));
        const bool escape_on_viewer = stroke.key() == Qt::Key_Escape && viewer(target->window());
        const Ending ending =
            may_end_program(target) || escape_on_viewer ? Ending::maybe : Ending::never;
        QTest::keyClick(target, stroke.key(), stroke.keyboardModifiers());
        wait_for_release(next);
        return ending;
    }

    // Alt+N and a screen reader's press push a button down and release it 100 ms later; nothing
    // else happens meanwhile, so that a run does not depend on the clock.
    void wait_for_release(QPointer<QAbstractButton> button)
    {
        if (!button || !button->isDown())
            return;
        QEventLoop wait;
        connect(button, &QAbstractButton::released, &wait, &QEventLoop::quit);
        connect(button, &QObject::destroyed, &wait, &QEventLoop::quit);
        // Long enough for a loaded machine; only a button that never comes up waits it out.
        QTimer::singleShot(10000, &wait, &QEventLoop::quit);
        const int outer = waiting_level_;
        waiting_level_ = loop_level() + 1;
        wait.exec();
        waiting_level_ = outer;
    }

    // A student's reply from the bank: its correct choices, or one of its typed answers in any
    // case with spaces around, now and then with its spaces doubled (wrong). True when typed.
    bool answer_from_bank(const QWidget& window)
    {
        const QuestionRecord& record = bank.record(number_on(window, "qid"));
        const QStringList answers = choices(record, false);
        if (is_typed_answer(record.question_type) && !answers.isEmpty()) {
            QString reply = answers[pick(answers.size())];
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
        right_by_bank_ = graded_by_bank_ = 0;
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
            typed_answer
                ? std::ranges::any_of(answers, [&](const QString& a) { return bare(a) == typed; })
                : pressed == choices(record, true);
        if (!typed_answer && shown != answers)
            fail(QStringLiteral("record %1 shows the choices ").arg(qid) + shown.join(u'|'));
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
        whole_quizzes_ += total == quiz_state.questions_per_quiz ? 1 : 0;
    }

    void check(Ending ending)
    {
        // The program ends from the event loop once its last window has gone; let it at the top.
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
        if (const auto modals = std::ranges::count_if(windows, &QWidget::isModal); modals > 1)
            return fail(QStringLiteral("%1 modal windows are open at once").arg(modals));
        if (const QWidget* focus = QApplication::focusWidget();
            named(focus, "Q1") || named(focus, "Text1"))
            return fail(QStringLiteral("a text that passes the focus on kept it"));
        const bool free = quest.is_open() && !QApplication::activeModalWidget();
        const bool counted = free && quest.get() == watched_ && loop_level() == base_level_;
        if (counted && quiz_state.right_count != right_by_bank_)
            return fail(QString::asprintf("%d right counted where the bank's flags make %d of %d",
                                          quiz_state.right_count, right_by_bank_, graded_by_bank_));
        if (free && quiz_state.current_question >= 1)
            check_question_window(*quest.get(), counted);
    }

    // Each answer button's name, NEXT's description and the aid buttons follow the record shown;
    // the score, the percentage and the gauge's value follow the bank's grading.
    void check_question_window(const QWidget& window, bool counted)
    {
        const QuestionRecord& record = bank.record(number_on(window, "qid"));
        const QString description =
            control<QWidget>(window, QStringLiteral("NextButton"))->accessibleDescription();
        QStringList expected, seen;
        const auto shows = [&](const QString& name, bool due) {
            expected << QString::number(due);
            seen << QString::number(!control<QWidget>(window, name)->isHidden());
        };
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
        shows(QStringLiteral("cluebutton"), !is_blank(record.clue));
        for (std::size_t i = 1; i <= 3; ++i) {
            shows(control_name("diagrambutton", static_cast<int>(i)),
                  !is_blank(record.diagram_file[i]));
            shows(control_name("exhibitbutton", static_cast<int>(i)),
                  !is_blank(record.exhibit_file[i]));
        }
        if (counted) {
            // The integer part of right / total * 100 in double precision: 29 of 50 is 57.
            const int right = right_by_bank_, total = graded_by_bank_;
            const int percent = total ? static_cast<int>(right / double(total) * 100) : 0;
            expected << (total ? QString::asprintf(" %d/ %d", right, total) : QString())
                     << (total ? QString::asprintf(" %d%%", percent) : QString())
                     << QString::number(percent);
            QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(
                control<QWidget>(window, QStringLiteral("Gauge1")));
            seen << text_on(window, "score") << text_on(window, "Percent_Right")
                 << gauge->valueInterface()->currentValue().toString();
        }
        if (seen != expected)
            fail(QStringLiteral("the question window shows %1 where %2 is due")
                     .arg(seen.join(u'|'), expected.join(u'|')));
    }

    void fail(const QString& what)
    {
        if (!failure_.isEmpty())
            return;
        failure_ = QStringLiteral("seed %1, action %2: %3\n").arg(seed_).arg(done_).arg(what) +
                   log_.mid(std::max<qsizetype>(0, log_.size() - 300)).join(u'\n');
    }

    std::mt19937 engine_;
    std::uint32_t seed_;
    int actions_, done_ = 0, right_by_bank_ = 0, graded_by_bank_ = 0, whole_quizzes_ = 0;
    int base_level_ = 0, waiting_level_ = -1;
    bool finishing_ = false, checking_ = false, student_ = true, next_went_down_free_ = false;
    Ending ending_ = Ending::never;
    QPointer<QWidget> watched_, summary_;
    QEventLoop* base_loop_ = nullptr;
    QString failure_;
    QStringList log_; // the actions since the last start
};

} // namespace

class TestRandomUse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    void random_use_keeps_the_program_whole()
    {
        const auto built_in_again = qScopeGuard([] {
            study_options.review = false;
            use_bank_content(std::nullopt);
        });
        const BankFileRead example =
            read_bank_file(QStringLiteral(ORLIN_SOURCE_DIR "/examples/lab-bank/lab-bank.json"));
        QVERIFY2(example.content, qPrintable(example.refusal));
        for (const auto& [seed, with_example_bank, review] : seeds) {
            tear_down_windows();
            study_options.review = review;
            use_bank_content(with_example_bank ? example.content : std::nullopt);
            const QString failure = RandomUser(seed, actions_per_seed).run();
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
    }
};

QTEST_MAIN(TestRandomUse)
#include "test_random_use.moc"
