#include "support/quiz_driver.h"

#include "bank/question_bank.h"
#include "quiz/quest_window.h"
#include "quiz/quiz_state.h"
#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "shell/pick_a_quiz_window.h"
#include "shell/program.h"
#include "shell/welcome_window.h"
#include "support/test_app.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quiz_driver {

void open_options()
{
    run_in_event_loop(start_program);
    run_in_event_loop([] { control<QPushButton>(*Welcome.get(), "Start_Quiz")->click(); });
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
    run_in_event_loop([] { control<QPushButton>(*pick_a_quiz.get(), "Command1")->click(); });
}

void start_quiz(int quiz, std::initializer_list<std::pair<const char*, bool>> boxes)
{
    open_options();
    choose(quiz, boxes);
    start();
}

void press_next()
{
    run_in_event_loop([] { control<QPushButton>(*quest.get(), "NextButton")->click(); });
}

void press_quit()
{
    run_in_event_loop([] { control<QPushButton>(*quest.get(), "quitquiz")->click(); });
}

void press_letters(const QString& letters)
{
    for (const QChar letter : letters)
        control<AnswerButton>(*quest.get(), control_name("QChoice", letter.unicode() - u'A' + 1))
            ->click();
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

QString text_of(const char* control_name)
{
    return control<QLabel>(*quest.get(), QString::fromLatin1(control_name))->text();
}

QWidget& quest_control(const QString& name)
{
    return *control<QWidget>(*quest.get(), name);
}

} // namespace quiz_driver
