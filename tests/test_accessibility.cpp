#include "screens/answer_button.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QAccessible>
#include <QTest>

using namespace quiz_driver;

namespace {

QAccessibleInterface& view_of(QWidget& widget)
{
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&widget);
    Q_ASSERT(view);
    return *view;
}

QAccessibleInterface& quest_view(const QString& name)
{
    return view_of(quest_control(name));
}

// The controls the user can reach with Tab or the mouse that do not say what they are.
QString unnamed_controls(QWidget& window)
{
    QStringList unnamed;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const bool internal = child->objectName().startsWith(QLatin1String("qt_"));
        if (child->focusPolicy() == Qt::NoFocus || internal)
            continue;
        if (view_of(*child).text(QAccessible::Name).trimmed().isEmpty())
            unnamed << window.objectName() + QLatin1Char('.') + child->objectName();
    }
    return unnamed.join(QLatin1String(", "));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    // Grading reads the pressed state, which a screen reader's toggle and press actions change
    // as a click does; the press action clicks through an animated click, a moment later.
    void the_accessibility_actions_press_like_a_click()
    {
        start_quiz(1, {no_feedback, answers_in_order});
        auto& button = *control<AnswerButton>(*quest.get(), "QChoice_1");
        QAccessibleActionInterface* actions = view_of(button).actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        for (const QString& action :
             {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction(),
              QAccessibleActionInterface::pressAction(),
              QAccessibleActionInterface::toggleAction()}) {
            const bool was_pressed = button.pressed();
            actions->doAction(action);
            QTRY_COMPARE(button.pressed(), !was_pressed);
            QCOMPARE(bool(view_of(button).state().checked), !was_pressed);
        }
    }

    // What each kind of control reads as; the values they read follow the quiz in the random-use
    // test.
    void controls_read_as_what_they_are()
    {
        start_quiz(1, {no_feedback, in_order, answers_in_order});
        press_next();
        QAccessibleInterface& answer = quest_view("QChoice_1");
        QCOMPARE(answer.role(), QAccessible::CheckBox);
        QVERIFY(answer.state().checkable);
        QAccessibleInterface& next = quest_view("NextButton");
        QCOMPARE(next.role(), QAccessible::Button);
        QVERIFY(next.text(QAccessible::Accelerator).contains(QLatin1Char('N')));
        QAccessibleInterface& gauge = quest_view("Gauge1");
        QCOMPARE(gauge.role(), QAccessible::ProgressBar);
        QAccessibleValueInterface* value = gauge.valueInterface();
        QCOMPARE(value->maximumValue().toInt(), 100);
        // Setting it from outside changes nothing: it follows the score.
        value->setCurrentValue(80);
        QCOMPARE(value->currentValue().toInt(), 0);
        QCOMPARE(gauge.text(QAccessible::Value), QStringLiteral("0%"));
        // A label with a name of its own reads its number as its value.
        QAccessibleInterface& score = quest_view("score");
        QCOMPARE(score.role(), QAccessible::StaticText);
        QCOMPARE(score.text(QAccessible::Name), QStringLiteral("Score"));
        QCOMPARE(score.text(QAccessible::Value), QStringLiteral(" 0/ 1"));
        // Captions keep their text as their name.
        QCOMPARE(quest_view("Label2").text(QAccessible::Name), QStringLiteral("Score:"));
        QCOMPARE(quest_view("Label2").textInterface(), nullptr);
    }

    // The feedback is a dialog whose Close button, where the focus goes, reads out its text;
    // the summary is an alert. Both are named by their titles.
    void modal_windows_are_announced_by_role_and_title_and_read_out()
    {
        start_quiz(1, {in_order, answers_in_order});
        // Role and name, then what is read out: the feedback's Close button's description (its
        // controls that lack a name after it), the summary's value.
        QStringList heard;
        ModalWatcher watcher([&](QWidget& modal) {
            QAccessibleInterface& view = view_of(modal);
            auto* close = modal.findChild<QWidget*>(QStringLiteral("Closeb"));
            heard << QString::number(view.role()) << view.text(QAccessible::Name)
                  << (close
                          ? view_of(*close).text(QAccessible::Description) + unnamed_controls(modal)
                          : view.text(QAccessible::Value));
            ModalWatcher::press_default_button(modal);
        });
        press_next(); // nothing pressed: wrong, and the feedback opens
        press_quit();
        QCOMPARE(watcher.seen().size(), 2U);
        QCOMPARE(heard,
                 (QStringList{QString::number(QAccessible::Dialog), "The Answer",
                              watcher.seen()[0].text, QString::number(QAccessible::AlertMessage),
                              "Test Complete!", watcher.seen()[1].text}));
        QVERIFY(heard[2].startsWith(QLatin1String("Incorrect.\n")));
    }

    void every_reachable_control_of_every_window_has_a_name()
    {
        start_quiz(1, {no_feedback});
        QCOMPARE(unnamed_controls(*quest.get()), QString());
        tear_down_windows();

        open_options();
        QCOMPARE(unnamed_controls(*pick_a_quiz.get()), QString());
        run_in_event_loop([] { Welcome.get()->show(); });
        QCOMPARE(unnamed_controls(*Welcome.get()), QString());
        QAccessibleInterface& banner = view_of(*control<QWidget>(*Welcome.get(), "Image1"));
        QCOMPARE(banner.role(), QAccessible::Graphic);
        QVERIFY(banner.text(QAccessible::Name).contains(QLatin1String("Tarvex Tests")));
        QVERIFY(banner.imageInterface());
        for (QWidget* viewer : std::initializer_list<QWidget*>{Diagram.show(), Exhibit.show()})
            QCOMPARE(unnamed_controls(*viewer), QString());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
