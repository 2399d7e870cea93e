#include "bank/question_bank.h"
#include "quiz/answer_window.h"
#include "quiz/quest_window.h"
#include "quiz/quiz_rules.h"
#include "quiz/quiz_state.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
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

    void feedback_follows_the_two_options()
    {
        struct Case {
            bool right, wrong;
        };
        for (const Case c :
             {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
            start_quiz(1, {{"answer_when_right", c.right}, {"answer_when_wrong", c.wrong}});
            ModalWatcher watcher;
            press_correct_answer();
            press_next();
            QCOMPARE(watcher.seen().size(), c.right ? 1U : 0U);
            press_next();
            QCOMPARE(watcher.seen().size(), (c.right ? 1U : 0U) + (c.wrong ? 1U : 0U));
            for (const auto& seen : watcher.seen())
                QCOMPARE(seen.title, QStringLiteral("The Answer"));
            QVERIFY(!theanswer.is_open());
            tear_down_windows();
        }
    }

    void feedback_opens_before_the_score_counts_the_reply()
    {
        start_quiz(1, {{"answer_when_right", true}});
        QString score_during_feedback;
        QString expected;
        ModalWatcher watcher([&](QWidget& modal) {
            score_during_feedback = text_of("score");
            expected = expected_feedback();
            ModalWatcher::press_default_button(modal);
        });
        press_correct_answer();
        press_next();
        QCOMPARE(score_during_feedback, QString());
        QCOMPARE(text_of("score"), QStringLiteral(" 1/ 1"));
        QCOMPARE(watcher.seen().front().text, expected);
        QVERIFY(expected.startsWith(QLatin1String("Great Job.\nThe answer(s):  ")));
    }

    void shuffled_letters_match_the_buttons_on_screen()
    {
        start_quiz(2, {}); // answers shuffled, feedback after wrong replies
        for (int question = 0; question < 8; ++question) {
            const QuestionRecord& stored = bank.record(quiz_state.current_qid);
            const QString letters = correct_letters();
            // Every correct letter sits next to a text that is correct in the bank.
            for (QChar letter : letters) {
                const int i = letter.unicode() - u'A' + 1;
                const QString text =
                    control<QPlainTextEdit>(*quest.get(), control_name("abox", i))->toPlainText();
                bool correct_in_bank = false;
                for (std::size_t j = 1; j <= 6; ++j)
                    correct_in_bank |=
                        stored.choice_text[j] == text && stored.choice_correct[j] == 1;
                QVERIFY2(correct_in_bank, qPrintable(text));
            }
            QString feedback_letters;
            ModalWatcher watcher([&](QWidget& modal) {
                const QString text = modal.findChild<QPlainTextEdit*>("Text1")->toPlainText();
                feedback_letters = text.section(QLatin1Char('\n'), 1, 1)
                                       .section(QLatin1String(": "), 1)
                                       .remove(QLatin1Char(' '));
                ModalWatcher::press_default_button(modal);
            });
            press_next(); // nothing pressed: wrong, so the feedback names the letters
            QCOMPARE(feedback_letters, letters);
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

    void typed_answer_question_shows_the_typing_box_alone()
    {
        open_options();
        make_typed_answer(1, {"Router"});
        choose(1, {in_order});
        start();
        auto* box = control<QPlainTextEdit>(*quest.get(), "abox_1");
        QVERIFY(!box->isHidden());
        QVERIFY(box->toPlainText().isEmpty());
        QCOMPARE(box->frameShape(), QFrame::StyledPanel);
        QVERIFY(!quest_control("typestuff").isHidden());
        QCOMPARE(text_of("Directions"), QStringLiteral(" Please Type in the Correct Answer"));
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(quest_control(control_name("QChoice", i)).isHidden());
            QCOMPARE(quest_control(control_name("abox", i)).isHidden(), i > 1);
        }
        // The next multiple-choice question takes the border away again.
        ModalWatcher watcher;
        press_next();
        QCOMPARE(box->frameShape(), QFrame::NoFrame);
        QVERIFY(quest_control("typestuff").isHidden());
        QCOMPARE(text_of("Directions"), QStringLiteral(" Please Select the correct answer(s)"));
    }

    void typed_answers_are_graded_and_fed_back()
    {
        struct Case {
            const char* typed;
            std::int16_t status;
        };
        // Which typed answers count is for the rules; here the window reads its box for them.
        for (const Case c : {Case{"  rOuTeR ", answer_right}, Case{"route r", answer_wrong}}) {
            open_options();
            make_typed_answer(1, {"Router", "Gateway"});
            choose(1, {in_order, answers_in_order});
            start();
            control<QPlainTextEdit>(*quest.get(), "abox_1")
                ->setPlainText(QString::fromLatin1(c.typed));
            QString expected;
            ModalWatcher watcher([&](QWidget& modal) {
                expected = expected_feedback();
                ModalWatcher::press_default_button(modal);
            });
            press_next();
            QCOMPARE(quiz_state.answer_status, c.status);
            if (c.status == answer_wrong) {
                QCOMPARE(watcher.seen().size(), 1U);
                QCOMPARE(watcher.seen().front().text, expected);
                QVERIFY(expected.startsWith(
                    QLatin1String("Incorrect.\nThe correct answer(s): Router\n\n")));
            }
            tear_down_windows();
        }
    }
};

QTEST_MAIN(TestAnswers)
#include "test_answers.moc"
