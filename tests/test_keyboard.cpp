#include "quiz/quiz.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/answer_window.h"
#include "windows/exhibit_window.h"
#include "windows/quest_window.h"

#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTest>

using namespace quiz_driver;

namespace {

// A key typed where the focus is, from the event loop as a real key press runs.
void type_key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    run_in_event_loop([=] { QTest::keyClick(QApplication::focusWidget(), key, modifiers); });
}

// Drops a text on the box, then pastes another with Ctrl+V, as a user could.
void drop_and_paste(QPlainTextEdit& box)
{
    QMimeData dragged;
    dragged.setText(QStringLiteral("dropped"));
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &drop);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
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

    // The feedback opens with the focus on Close, Enter closes it, and the question window takes
    // the keys again with no click: Alt+N presses NEXT.
    void after_the_feedback_the_keys_go_back_to_the_question_window()
    {
        start_quiz(1, {in_order});
        QuestWindow& window = *quest.get();
        QVERIFY(activate(window));
        QString focus_in_feedback;
        ModalWatcher watcher([&](QWidget& modal) {
            modal.activateWindow();
            if (QTest::qWaitFor([&] { return modal.isAncestorOf(QApplication::focusWidget()); }))
                focus_in_feedback = focused();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        type_key(Qt::Key_Return); // NEXT with nothing pressed: wrong, and the feedback opens
        QCOMPARE(focus_in_feedback, QStringLiteral("Closeb"));
        QVERIFY(!theanswer.is_open());
        QTRY_VERIFY(window.isActiveWindow());
        press_correct_answer();
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(quiz_state.current_question, std::int16_t(3));
        QCOMPARE(watcher.seen().size(), 1U);
    }

    void texts_shown_for_reading_take_no_drop_and_no_paste()
    {
        start_quiz(1, {in_order, no_feedback});
        QWidget& window = *quest.get();
        // One read-only text of each kind: one that passes the focus on, one the design locks.
        Exhibit.load()->set_text(QStringLiteral("show ip route"));
        const std::vector<QPlainTextEdit*> boxes{control<QPlainTextEdit>(*Exhibit.get(), "Text1"),
                                                 control<QPlainTextEdit>(window, "abox_1")};
        for (QPlainTextEdit* box : boxes) {
            const QString shown = box->toPlainText();
            drop_and_paste(*box);
            QCOMPARE(box->toPlainText(), shown);
        }
        // The box of a typed answer takes both.
        make_typed_answer(5, {"R1"});
        press_next();
        QPlainTextEdit& typing = *boxes[1];
        drop_and_paste(typing);
        QCOMPARE(typing.toPlainText(), QStringLiteral("droppedpasted"));
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
