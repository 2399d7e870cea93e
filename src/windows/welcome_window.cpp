#include "windows/welcome_window.h"

#include "bank/question_bank.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "shell/center_form.h"
#include "shell/navigation.h"

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
    // The bank is loaded again and the quiz's window goes.
    report(Happened::WelcomeLoading);
    set_busy(true);
    control<QLineEdit>(*this, "test_name")->setText(bank.test_title);
    setWindowTitle(bank.test_title);
    control<QLineEdit>(*this, "author_name2")->setText(bank.author_contact);
    update();
    set_busy(false);
    CenterForm(*this);
    setVisible(true);
    control<QPushButton>(*this, "Start_Quiz")->setFocus();
}

void WelcomeWindow::Start_Quiz_Click()
{
    report(Happened::Agreed);
}

void WelcomeWindow::Command1_Click()
{
    report(Happened::ExitPressed);
}

void WelcomeWindow::Form_Unload()
{
    report(Happened::WelcomeClosing);
}
