#include "windows/pick_a_quiz_window.h"

#include "bank/question_bank.h"
#include "quiz/quiz.h"
#include "quiz/random_source.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "shell/message_box.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

FormRef<PickAQuizWindow> pick_a_quiz{FormSlot::Role::Main};

namespace {

std::int16_t ticked(const QWidget& window, const char* name)
{
    return control<QCheckBox>(window, QString::fromLatin1(name))->checkState() == Qt::Checked ? 1
                                                                                              : 0;
}

} // namespace

PickAQuizWindow::PickAQuizWindow() : Form(pick_a_quiz_design)
{
    on_click(control<QPushButton>(*this, "Command1"), [this] { Command1_Click(); });
}

void PickAQuizWindow::Form_Load()
{
    random_source.reseed_from_clock();
}

void PickAQuizWindow::focus_start_button()
{
    control<QPushButton>(*this, "Command1")->setFocus();
}

void PickAQuizWindow::Command1_Click()
{
    // A bank that cannot make a quiz of 1 to 200 questions is refused before anything closes.
    if (!divides_into_quizzes(bank.question_count)) {
        message_box(this, windowTitle(),
                    QStringLiteral("The question bank holds %1 questions, which cannot be "
                                   "divided into four quizzes of 1 to %2 questions each.")
                        .arg(bank.question_count)
                        .arg(max_quiz_length));
        return;
    }

    set_busy(true);
    for (int k = 1; k <= 4; ++k) {
        if (control<QRadioButton>(*this, control_name("which_quiz", k))->isChecked())
            quiz_options.quiz_choice = static_cast<std::int16_t>(k);
    }
    quiz_options.show_when_right = ticked(*this, "answer_when_right");
    quiz_options.show_when_wrong = ticked(*this, "answer_when_wrong");
    quiz_options.shuffle_questions = ticked(*this, "random_questions");
    quiz_options.shuffle_answers = ticked(*this, "random_answers");

    // Closes this window too; it is destroyed only after this handler returns.
    Welcome.unload();

    open_quiz([] { running_quiz.start(); });

    if (PickAQuizWindow* self = pick_a_quiz.get())
        self->set_busy(false);
    pick_a_quiz.hide();
}

void PickAQuizWindow::Form_Unload()
{
    Welcome.unload();
}
