#include "support/quiz_driver.h"

#include "app/program.h"
#include "bank/question_bank.h"
#include "quiz/quiz.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "support/test_app.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quiz_driver {

void open_options()
{
    run_in_event_loop(start_program);
    click(*Welcome.get(), "Start_Quiz");
}

void choose(int quiz, std::initializer_list<std::pair<const char*, bool>> boxes)
{
    PickAQuizWindow& window = *pick_a_quiz.get();
    control<QRadioButton>(window, control_name("which_quiz", quiz))->setChecked(true);
    for (const auto& [name, ticked] : boxes)
        control<QCheckBox>(window, QString::fromLatin1(name))->setChecked(ticked);
}

void start()
{
    click(*pick_a_quiz.get(), "Command1");
}

void start_quiz(int quiz, std::initializer_list<std::pair<const char*, bool>> boxes)
{
    open_options();
    choose(quiz, boxes);
    start();
}

void press_next()
{
    click(*quest.get(), "NextButton");
}

void press_quit()
{
    click(*quest.get(), "quitquiz");
}

void press_correct_answer()
{
    const QuestionRecord& stored = bank.record(quiz_state.current_qid);
    for (int i = 1; i <= 6; ++i) {
        const QString shown =
            control<QPlainTextEdit>(*quest.get(), control_name("abox", i))->toPlainText();
        for (std::size_t j = 1; j <= 6; ++j) {
            if (!shown.isEmpty() && stored.choice_text[j] == shown && stored.choice_correct[j] == 1)
                control<AnswerButton>(*quest.get(), control_name("QChoice", i))->click();
        }
    }
}

void make_typed_answer(int record, std::initializer_list<const char*> answers)
{
    QuestionRecord& stored = bank.record(record);
    stored.question_type = QStringLiteral("Fill_in");
    for (auto& text : stored.choice_text)
        text.clear();
    std::size_t i = 1;
    for (const char* answer : answers)
        stored.choice_text[i++] = QString::fromLatin1(answer);
}

void click(const QWidget& window, const char* name)
{
    QPushButton* button = control<QPushButton>(window, QString::fromLatin1(name));
    run_in_event_loop([button] { button->click(); });
}

QString text_of(const char* control_name)
{
    return control<QLabel>(*quest.get(), QString::fromLatin1(control_name))->text();
}

QWidget& quest_control(const QString& name)
{
    return *control<QWidget>(*quest.get(), name);
}

} // namespace quiz_driver
