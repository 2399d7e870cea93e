#include "quiz/exam_clock.h"
#include "quiz/quiz.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "shell/form_ref.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/quest_window.h"
#include "windows/review_window.h"
#include "windows/welcome_window.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QTreeWidget>

using namespace quiz_driver;

namespace {

QStringList row_texts(const QTreeWidgetItem& item)
{
    QStringList texts;
    for (int column = 0; column < item.columnCount(); ++column)
        texts << item.text(column);
    return texts;
}

// A letter the question on screen does not want.
QString a_wrong_letter()
{
    for (const QChar letter : QStringLiteral("ABCDEF")) {
        if (!correct_letters().contains(letter))
            return letter;
    }
    return {};
}

} // namespace

class TestStudy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup()
    {
        tear_down_windows();
        study_options = StudyOptions{};
        set_exam_time_source({});
    }

    // Quiz 2 in order asks records 2 (chapter 4, filed by hand), 6 and 10 (chapter 1, cited).
    void a_review_lists_the_answers_and_retakes_the_missed_ones()
    {
        study_options.review = true;
        start_quiz(2, {no_feedback, in_order, answers_in_order});
        press_correct_answer();
        press_next();
        const QString right_of_6 = correct_letters();
        press_next();
        const QString right_of_10 = correct_letters();
        const QString pressed_on_10 = a_wrong_letter();
        press_letters(pressed_on_10);
        press_next();
        ModalWatcher watcher;
        press_quit();
        QCOMPARE(watcher.seen().size(), 1U);
        QCOMPARE(watcher.seen().front().text, summary_text(1, 3));
        QVERIFY(!quest.is_open() && !Welcome.is_open());
        ReviewWindow* review = Review.get();
        QVERIFY(review && review->isVisible());

        auto* answers = control<QTreeWidget>(*review, "answers");
        QCOMPARE(answers->topLevelItemCount(), 3);
        QCOMPARE(row_texts(*answers->topLevelItem(1)),
                 (QStringList{"2", "6", "WRONG", "none", right_of_6}));
        QCOMPARE(row_texts(*answers->topLevelItem(2)),
                 (QStringList{"3", "10", "WRONG", pressed_on_10, right_of_10}));
        QCOMPARE(answers->topLevelItem(1)->data(0, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Question 2, QID 6, wrong, you pressed nothing, right: ") +
                     right_of_6);
        // The missed rows alone, the selection moving onto one of them.
        auto* missed_only = control<QRadioButton>(*review, "show_rows_2");
        run_in_event_loop([missed_only] { missed_only->click(); });
        QVERIFY(answers->topLevelItem(0)->isHidden() && !answers->topLevelItem(1)->isHidden());
        QCOMPARE(answers->currentItem(), answers->topLevelItem(1));
        QVERIFY(control<QPlainTextEdit>(*review, "detail")
                    ->toPlainText()
                    .startsWith(QLatin1String("Question 2 (QID 6): wrong")));

        const auto bars = control<QScrollArea>(*review, "scores")->findChildren<QProgressBar*>();
        QStringList scores;
        for (const QProgressBar* bar : bars)
            scores << QStringLiteral("%1 %2/%3")
                          .arg(bar->accessibleName())
                          .arg(bar->value())
                          .arg(bar->maximum());
        QCOMPARE(scores, (QStringList{"Chapter 1: Internetworking and the seven-layer model: 0 "
                                      "right of 2 0/2",
                                      "Chapter 4: IPX: 1 right of 1 1/1"}));

        // The retake asks records 6 and 10 and leads to a review of those two.
        click(*review, "retake");
        QVERIFY(!Review.is_open() && quest.get()->isVisible());
        QCOMPARE(quiz_state.current_qid, std::int16_t(6));
        press_correct_answer();
        press_next();
        QCOMPARE(quiz_state.current_qid, std::int16_t(10));
        press_next();
        QCOMPARE(watcher.seen().back().text, summary_text(1, 2));
        review = Review.get();
        QCOMPARE(control<QTreeWidget>(*review, "answers")->topLevelItemCount(), 2);
        QVERIFY(control<QPushButton>(*review, "retake")->isEnabled()); // 10 missed again

        click(*review, "Closeb");
        QVERIFY(!Review.is_open());
        QVERIFY(Welcome.get()->isVisible());
        QVERIFY(!program_ended());
    }

    // The clock is read from a hook; its ticks are called as its timer would call them.
    void the_clock_counts_down_and_ends_the_quiz_as_quit_does()
    {
        qint64 now = 0;
        set_exam_time_source([&now] { return now; });
        study_options.minutes = 10;
        start_quiz(1);
        QuestWindow* window = quest.get();
        const QString caption = QString::fromUtf8(quest_design.title);
        QCOMPARE(window->windowTitle(), caption + QStringLiteral(" - 10:00 left"));
        auto* next = control<QPushButton>(*window, "NextButton");

        now = 4 * 60 * 1000 + 40 * 1000 + 1;
        window->clock_tick();
        QCOMPARE(window->windowTitle(), caption + QStringLiteral(" - 5:20 left"));
        QVERIFY(!next->accessibleDescription().contains(QLatin1String("minutes left")));
        now += 20 * 1000;
        window->clock_tick();
        QCOMPARE(window->windowTitle(), caption + QStringLiteral(" - 5:00 left"));
        QVERIFY(next->accessibleDescription().startsWith(QLatin1String("5 minutes left\n")));

        // Time runs out while the feedback window is open: the quiz ends once it is closed.
        press_correct_answer();
        press_next();
        bool ended_under_feedback = false;
        ModalWatcher watcher([&](QWidget& modal) {
            if (modal.objectName() == QLatin1String("theanswer")) {
                now = 10 * 60 * 1000;
                window->clock_tick();
                ended_under_feedback = !quest.is_open() || watcher.seen().size() > 1;
            }
            ModalWatcher::press_default_button(modal);
        });
        press_next();
        QVERIFY(!ended_under_feedback);
        QCOMPARE(quiz_state.current_question, std::int16_t(3));
        run_in_event_loop([window] { window->clock_tick(); });
        QCOMPARE(watcher.seen().size(), 2U);
        QCOMPARE(watcher.seen().back().text, summary_text(1, 2));
        QVERIFY(!quest.is_open());
        QVERIFY(Welcome.get()->isVisible());
    }
};

QTEST_MAIN(TestStudy)
#include "test_study.moc"
