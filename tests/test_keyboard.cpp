#include "quiz/exhibit_window.h"
#include "quiz/quest_window.h"
#include "quiz/quiz_state.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "shell/pick_a_quiz_window.h"
#include "shell/program.h"
#include "shell/quiz_options.h"
#include "shell/welcome_window.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

using namespace quiz_driver;

namespace {

// A key typed where the focus is, from the event loop as a real key press runs.
void type_key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    run_in_event_loop([=] { QTest::keyClick(QApplication::focusWidget(), key, modifiers); });
}

// Where the focus goes, one Tab after another.
QStringList tab_walk(int steps)
{
    QStringList walk;
    for (int i = 0; i < steps; ++i) {
        type_key(Qt::Key_Tab);
        walk << focused();
    }
    return walk;
}

// Closes the modal window with Enter on whatever has its focus, once the focus is inside it.
void press_enter_in(QWidget& modal)
{
    modal.activateWindow();
    const auto focus_inside = [&] {
        QWidget* focus = QApplication::focusWidget();
        return focus && modal.isAncestorOf(focus);
    };
    if (QTest::qWaitFor(focus_inside))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    void space_and_enter_press_the_focused_button_and_nothing_else()
    {
        start_quiz(1, {no_feedback, in_order, answers_in_order});
        QVERIFY(activate(*quest.get()));
        AnswerButton& answer = *control<AnswerButton>(*quest.get(), "QChoice_3");
        answer.setFocus();
        type_key(Qt::Key_Space);
        QVERIFY(answer.pressed());
        type_key(Qt::Key_Return);
        QVERIFY(!answer.pressed());
        type_key(Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(answer.pressed());
        // Enter with a modifier is somebody else's key.
        type_key(Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(answer.pressed());
        QCOMPARE(text_of("question_number"), QStringLiteral(" 1"));
        // No button is the default: Enter in a text box presses nothing.
        control<QPlainTextEdit>(*quest.get(), "abox_2")->setFocus();
        type_key(Qt::Key_Return);
        QCOMPARE(text_of("question_number"), QStringLiteral(" 1"));
        quest_control("NextButton").setFocus();
        type_key(Qt::Key_Space);
        QCOMPARE(text_of("question_number"), QStringLiteral(" 2"));
    }

    void a_text_that_passes_the_focus_on_shows_no_caret_and_takes_no_keys()
    {
        // A steady caret, so that one look tells whether the text box draws it.
        const int flash_time = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
        const auto restore =
            qScopeGuard([flash_time] { QApplication::setCursorFlashTime(flash_time); });
        ExhibitWindow& window = *Exhibit.load();
        window.set_text(QStringLiteral("router ospf 1"));
        auto* text = control<QPlainTextEdit>(window, "Text1");
        const QImage unfocused = text->grab().toImage();
        // Text1 comes first in the tab order, so showing the window gives it the focus at once.
        Exhibit.show();
        QVERIFY(activate(window));
        QCOMPARE(focused(), QStringLiteral("Command1"));
        QCOMPARE(text->grab().toImage(), unfocused);
        // A click on the text passes the focus on as well, and typing changes nothing.
        QApplication::focusWidget()->clearFocus();
        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        QCOMPARE(focused(), QStringLiteral("Command1"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
        QCOMPARE(text->toPlainText(), QStringLiteral("router ospf 1"));
        QCOMPARE(text->grab().toImage(), unfocused);
    }

    void a_whole_quiz_runs_without_the_mouse()
    {
        run_in_event_loop(start_program);
        QVERIFY(activate(*Welcome.get()));
        QCOMPARE(focused(), QStringLiteral("Start_Quiz"));
        type_key(Qt::Key_Return); // I Agree

        PickAQuizWindow& options = *pick_a_quiz.get();
        QVERIFY(activate(options));
        QCOMPARE(focused(), QStringLiteral("Command1"));
        // Tab enters the quiz group at its selected button; the arrows choose within it.
        QCOMPARE(tab_walk(1), QStringList{"which_quiz_1"});
        type_key(Qt::Key_Down);
        QCOMPARE(focused(), QStringLiteral("which_quiz_2"));
        QVERIFY(control<QRadioButton>(options, "which_quiz_2")->isChecked());
        QCOMPARE(tab_walk(4), (QStringList{"answer_when_wrong", "answer_when_right",
                                           "random_questions", "random_answers"}));
        type_key(Qt::Key_Space); // answers in their stored order
        QCOMPARE(tab_walk(1), QStringList{"Command1"});
        type_key(Qt::Key_Return); // Start the Quiz
        QVERIFY(quest.is_open());
        QCOMPARE(quiz_options.quiz_choice, 2);
        QCOMPARE(quiz_options.shuffle_answers, 0);

        QuestWindow& window = *quest.get();
        QVERIFY(activate(window));
        QCOMPARE(focused(), QStringLiteral("NextButton"));
        // Past Quit Test to each correct answer button in turn, and Space on it.
        int position = -1;
        for (int i = 1; i <= 6; ++i) {
            if (quiz_state.current_record.choice_correct[static_cast<std::size_t>(i)] != 1)
                continue;
            tab_walk(i - position);
            QCOMPARE(focused(), control_name("QChoice", i));
            type_key(Qt::Key_Space);
            position = i;
        }
        QVERIFY(position > 0);
        ModalWatcher watcher(press_enter_in);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(text_of("question_number"), QStringLiteral(" 2"));
        QCOMPARE(text_of("score"), QStringLiteral(" 1/ 1"));
        QVERIFY(watcher.seen().empty());

        // A wrong reply opens the feedback window on its Close button, never on the text that
        // would pass the focus on to it; Enter there closes it. Both ends of every change are
        // recorded, as a passed-on focus shows up only as where it came from.
        QCOMPARE(focused(), QStringLiteral("NextButton"));
        QStringList focused_in_turn;
        const auto record =
            connect(qApp, &QApplication::focusChanged, this, [&](QWidget* old, QWidget* now) {
                for (QWidget* widget : {old, now})
                    focused_in_turn << (widget ? widget->objectName() : QString());
            });
        type_key(Qt::Key_Return);
        disconnect(record);
        QVERIFY(focused_in_turn.contains(QStringLiteral("Closeb")));
        QVERIFY(!focused_in_turn.contains(QStringLiteral("Text1")));
        QCOMPARE(watcher.seen().size(), 1U);
        QCOMPARE(watcher.seen().back().title, QStringLiteral("The Answer"));
        QCOMPARE(text_of("score"), QStringLiteral(" 1/ 2"));

        // The question window takes the keys again, with no click to activate it.
        QTRY_VERIFY(window.isActiveWindow());
        QCOMPARE(focused(), QStringLiteral("NextButton"));
        QCOMPARE(tab_walk(1), QStringList{"quitquiz"});
        type_key(Qt::Key_Return); // Quit Test, then Enter on the summary's OK
        QCOMPARE(watcher.seen().size(), 2U);
        QCOMPARE(watcher.seen().back().title, QStringLiteral("Test Complete!"));
        QVERIFY(watcher.seen().back().text.contains(QLatin1String("=  1/ 2")));
        QVERIFY(!watcher.stuck());
        QVERIFY(!quest.is_open());
        QVERIFY(Welcome.get()->isVisible());
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
