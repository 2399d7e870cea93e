#include "app/program.h"

#include "app/navigator.h"
#include "quiz/quiz_options.h"
#include "screens/accessible_views.h"
#include "screens/window_builder.h"
#include "shell/center_form.h"
#include "shell/first_paint.h"
#include "shell/message_box.h"
#include "windows/welcome_window.h"

#include <QApplication>
#include <QIcon>

void prepare_application(QApplication& app)
{
    install_font_substitutes();
    install_accessible_views();
    // Both sizes, so that a window on a high-density screen gets a sharp icon whatever the
    // screen the program started on.
    QIcon icon(QStringLiteral(":/assets/icon.png"));
    icon.addFile(QStringLiteral(":/assets/icon@2x.png"));
    app.setWindowIcon(icon);
    // Wayland desktops find the menu entry, and so the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orlin.OrlinQuiz"));
    // Qt counts only visible windows; a hidden options or welcome window must keep the program.
    app.setQuitOnLastWindowClosed(false);
}

void start_program()
{
    CenterForm(*Welcome.load());
    // The record opens once the welcome window is on screen, so that it does not delay it.
    if (study_options.study)
        after_first_paint(*Welcome.get(), open_study_record);
}

void show_bank_refusal(const QString& refusal)
{
    message_box(nullptr, QStringLiteral("Orlin Quiz"), refusal);
}
