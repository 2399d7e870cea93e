#include "windows/pick_a_quiz_window.h"

#include "quiz/quiz.h"
#include "screens/designs.h"
#include "screens/option_boxes.h"
#include "screens/window_builder.h"
#include "shell/navigation.h"

#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

FormRef<PickAQuizWindow> pick_a_quiz{FormSlot::Role::Main};

PickAQuizWindow::PickAQuizWindow() : Form(pick_a_quiz_design)
{
    on_click(control<QPushButton>(*this, "Command1"), [this] { Command1_Click(); });
}

void PickAQuizWindow::Form_Load()
{
    report(Happened::OptionsLoading);
}

void PickAQuizWindow::focus_start_button()
{
    control<QPushButton>(*this, "Command1")->setFocus();
}

QuizOptions PickAQuizWindow::chosen_options() const
{
    // With no quiz selected, the quiz stays the one chosen last.
    QuizOptions options = ticked_options(*this);
    options.quiz_choice = quiz_options.quiz_choice;
    for (int k = 1; k <= 4; ++k) {
        if (control<QRadioButton>(*this, control_name("which_quiz", k))->isChecked())
            options.quiz_choice = static_cast<std::int16_t>(k);
    }
    return options;
}

void PickAQuizWindow::Command1_Click()
{
    set_busy(true);
    // The quiz's start closes this window; it is destroyed only after this handler returns.
    const QPointer<PickAQuizWindow> self(this);
    quiz_chosen(chosen_options());
    if (self)
        set_busy(false);
}

void PickAQuizWindow::Form_Unload()
{
    report(Happened::OptionsClosing);
}
