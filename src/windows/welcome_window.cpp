#include "windows/welcome_window.h"

#include "bank/question_bank.h"
#include "quiz/quiz_state.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "shell/center_form.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/quest_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

FormRef<WelcomeWindow> Welcome{FormSlot::Role::Main};

WelcomeWindow::WelcomeWindow() : Form(welcome_design)
{
    on_click(control<QPushButton>(*this, "Start_Quiz"), [this] { Start_Quiz_Click(); });
    on_click(control<QPushButton>(*this, "Command1"), [this] { Command1_Click(); });
}

void WelcomeWindow::Form_Load()
{
    setVisible(false);
    load_bank();
    quest.unload();
    set_busy(true);
    control<QLineEdit>(*this, "test_name")->setText(bank.test_title);
    setWindowTitle(bank.test_title);
    control<QLineEdit>(*this, "author_name2")->setText(bank.author_contact);
    quiz_state.questions_per_quiz = questions_per_quiz(bank.question_count);
    update();
    set_busy(false);
    CenterForm(*this);
    setVisible(true);
    control<QPushButton>(*this, "Start_Quiz")->setFocus();
}

void WelcomeWindow::Start_Quiz_Click()
{
    if (pick_a_quiz.is_open())
        pick_a_quiz.hide();
    else
        pick_a_quiz.load();
    CenterForm(*pick_a_quiz.get());
    pick_a_quiz.show();
    pick_a_quiz.get()->focus_start_button();
    Welcome.hide();
}

void WelcomeWindow::Command1_Click()
{
    end_program();
}

void WelcomeWindow::Form_Unload()
{
    quest.unload();
    pick_a_quiz.unload();
    Exhibit.unload();
    Diagram.unload();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
