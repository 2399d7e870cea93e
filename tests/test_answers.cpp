#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/answer_window.h"
#include "windows/quest_window.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QTest>

using namespace quiz_driver;

namespace {

ChoiceFlags visible_buttons()
{
    ChoiceFlags visible{};
    for (int i = 1; i <= 6; ++i)
        visible[static_cast<std::size_t>(i)] =
            !quest_control(control_name("QChoice", i)).isHidden();
    return visible;
}

// The feedback text as the program builds it, shown with the text box's own line breaks.
QString expected_feedback()
{
    return feedback_text(quiz_state.answer_status, quiz_state.current_record, visible_buttons())
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

class TestAnswers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    // Each option opens the feedback for its kind of reply, with the text the rules lay out,
    // before the score counts the reply.
    void feedback_follows_the_two_options_and_opens_before_the_score_counts()
    {
        for (const auto& [right, wrong] :
             {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
            start_quiz(1, {{"answer_when_right", right}, {"answer_when_wrong", wrong}});
            QStringList scores, texts;
            ModalWatcher watcher([&](QWidget& modal) {
                scores << text_of("score");
                texts << expected_feedback();
                ModalWatcher::press_default_button(modal);
            });
            press_correct_answer();
            press_next();
            QCOMPARE(watcher.seen().size(), right ? 1U : 0U);
            press_next();
            QCOMPARE(watcher.seen().size(), (right ? 1U : 0U) + (wrong ? 1U : 0U));
            QStringList want_scores;
            if (right)
                want_scores << QString();
            if (wrong)
                want_scores << QStringLiteral(" 1/ 1");
            QCOMPARE(scores, want_scores);
            for (std::size_t i = 0; i < watcher.seen().size(); ++i) {
                QCOMPARE(watcher.seen()[i].title, QStringLiteral("The Answer"));
                QCOMPARE(watcher.seen()[i].text, texts[static_cast<qsizetype>(i)]);
            }
            QVERIFY(!right || texts.front().startsWith(QLatin1String("Great Job.\n")));
            QVERIFY(!theanswer.is_open());
            tear_down_windows();
        }
    }

    void buttons_start_unpressed_on_every_question()
    {
        start_quiz(1, {{"answer_when_wrong", false}});
        press_letters(QStringLiteral("ABCDE"));
        press_next();
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!control<AnswerButton>(*quest.get(), control_name("QChoice", i))->pressed());
    }

    void closing_the_feedback_with_its_close_box_continues_the_quiz()
    {
        start_quiz(1, {});
        ModalWatcher watcher([](QWidget& modal) { modal.close(); });
        press_next();
        QCOMPARE(watcher.seen().size(), 1U);
        QVERIFY(!watcher.stuck());
        QVERIFY(!theanswer.is_open());
        QCOMPARE(text_of("question_number"), QStringLiteral(" 2"));
        QCOMPARE(text_of("score"), QStringLiteral(" 0/ 1"));
    }

    // The typing box alone is shown and named for what it takes, and what is typed is graded;
    // screen readers hear the question with no answer given away. The next multiple-choice
    // question puts the choices back.
    void a_typed_answer_question_shows_names_and_grades_the_typing_box()
    {
        open_options();
        // The second answer holds a no-break space, which the box must hand over as typed.
        for (const int record : {1, 5, 9})
            make_typed_answer(record, {"Router", "no\xA0"
                                                 "break"});
        choose(1, {in_order, answers_in_order});
        start();
        auto* box = control<QPlainTextEdit>(*quest.get(), "abox_1");
        for (const auto& [typed, status] : {std::pair{"route r", answer_wrong},
                                            {"  rOuTeR ", answer_right},
                                            {"no\xA0"
                                             "break",
                                             answer_right}}) {
            QVERIFY(!box->isHidden() && box->toPlainText().isEmpty() && !box->isReadOnly());
            QCOMPARE(box->frameShape(), QFrame::StyledPanel);
            QCOMPARE(box->accessibleName(), QStringLiteral("Your answer"));
            QVERIFY(!quest_control("typestuff").isHidden());
            QCOMPARE(text_of("Directions"), QStringLiteral(" Please Type in the Correct Answer"));
            for (int i = 1; i <= 6; ++i) {
                QWidget& button = quest_control(control_name("QChoice", i));
                QVERIFY(button.isHidden());
                QCOMPARE(button.accessibleName(), QString(QChar(u'A' + i - 1)));
                QCOMPARE(quest_control(control_name("abox", i)).isHidden(), i > 1);
            }
            const QString heard = quest_control("NextButton").accessibleDescription();
            QVERIFY(!heard.contains(QLatin1String("Router")));
            QVERIFY(heard.endsWith(QLatin1String("\nPlease Type in the Correct Answer")));

            box->setPlainText(QString::fromLatin1(typed));
            QString expected;
            ModalWatcher watcher([&](QWidget& modal) {
                expected = expected_feedback();
                ModalWatcher::press_default_button(modal);
            });
            press_next();
            QCOMPARE(quiz_state.answer_status, status);
            QCOMPARE(watcher.seen().size(), status == answer_wrong ? 1U : 0U);
            if (status == answer_wrong) {
                QCOMPARE(watcher.seen().front().text, expected);
                QVERIFY(expected.startsWith(
                    QLatin1String("Incorrect.\nThe correct answer(s): Router\n\n")));
            }
        }
        QCOMPARE(box->frameShape(), QFrame::NoFrame);
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->accessibleName(), QStringLiteral("Choice A"));
        QCOMPARE(quest_control("QChoice_1").accessibleName(),
                 QLatin1String("A: ") + box->toPlainText());
        QVERIFY(quest_control("typestuff").isHidden());
        QCOMPARE(text_of("Directions"), QStringLiteral(" Please Select the correct answer(s)"));
    }
};

QTEST_MAIN(TestAnswers)
#include "test_answers.moc"
