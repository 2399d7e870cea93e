#include "bank/question_bank.h"
#include "quiz/answer_window.h"
#include "quiz/diagram_window.h"
#include "quiz/exhibit_window.h"
#include "quiz/quest_window.h"
#include "screens/answer_button.h"
#include "screens/designs.h"
#include "screens/stretched_image.h"
#include "shell/pick_a_quiz_window.h"
#include "shell/program.h"
#include "shell/welcome_window.h"
#include "support/modal_watcher.h"
#include "support/test_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <map>
#include <optional>

Q_DECLARE_METATYPE(const WindowDesign*)

namespace {

// The fonts this platform lacks, and the twins that stand in for them.
const std::map<QString, QString> font_twins = {
    {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
};

// Read-only texts whose focus handler passes the focus on: window, from, to.
struct FocusPass {
    const char* window;
    const char* from;
    const char* to;
};
constexpr FocusPass focus_passes[] = {
    {"quest", "Q1", "NextButton"},
    {"theanswer", "Text1", "Closeb"},
    {"Exhibit", "Text1", "Command1"},
};

// Controls that the window's load sequence hides straight after it is built.
constexpr std::pair<const char*, const char*> hidden_at_load[] = {{"quest", "the_gauge"}};

QString name_of(const ControlDesign& control)
{
    const QString base = QString::fromLatin1(control.name);
    return control.index > 0 ? base + QLatin1Char('_') + QString::number(control.index) : base;
}

bool takes_focus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::AnswerButton:
        return true;
    default:
        return false;
    }
}

// Pixels from twips, edge by edge, at 15 twips a pixel; a line is one pixel thick.
QRect expected_rect(const ControlDesign& control, double scale = 1.0)
{
    int left = control.left, top = control.top;
    int right = control.left + control.width, bottom = control.top + control.height;
    if (control.kind == ControlKind::Line) {
        left = std::min(control.left, control.width);
        right = std::max({control.left, control.width, left + 15});
        top = std::min(control.top, control.height);
        bottom = std::max({control.top, control.height, top + 15});
    }
    const auto px = [scale](int twips) {
        return static_cast<int>(std::lround(twips * scale / 15));
    };
    return QRect(QPoint(px(left), px(top)), QPoint(px(right) - 1, px(bottom) - 1));
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool near(const QRect& a, const QRect& b, int slack)
{
    return qAbs(a.left() - b.left()) <= slack && qAbs(a.top() - b.top()) <= slack &&
           qAbs(a.right() - b.right()) <= slack && qAbs(a.bottom() - b.bottom()) <= slack;
}

bool kind_matches(ControlKind kind, const QWidget* widget, unsigned flags)
{
    switch (kind) {
    case ControlKind::Label:
        return qobject_cast<const QLabel*>(widget);
    case ControlKind::TextBox:
        return (flags & MultiLine) ? qobject_cast<const QPlainTextEdit*>(widget) != nullptr
                                   : qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::CommandButton:
        return qobject_cast<const QPushButton*>(widget);
    case ControlKind::CheckBox:
        return qobject_cast<const QCheckBox*>(widget);
    case ControlKind::OptionButton:
        return qobject_cast<const QRadioButton*>(widget);
    case ControlKind::Frame:
        return qobject_cast<const QGroupBox*>(widget);
    case ControlKind::Image:
        return qobject_cast<const StretchedImage*>(widget);
    case ControlKind::AnswerButton:
        return qobject_cast<const AnswerButton*>(widget);
    case ControlKind::PictureBox:
    case ControlKind::Line:
        return widget != nullptr;
    }
    return false;
}

QString shown_text(const QWidget* widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

QPalette::ColorRole back_role(ControlKind kind)
{
    return kind == ControlKind::TextBox ? QPalette::Base : QPalette::Window;
}

QPalette::ColorRole fore_role(ControlKind kind)
{
    return kind == ControlKind::TextBox ? QPalette::Text : QPalette::WindowText;
}

// What the window shows near the control's bottom-right corner, where neither text nor a
// scroll bar is drawn.
QColor painted_back(const QImage& window_image, QWidget* window, QWidget* widget)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        widget = area->viewport();
    const QPoint corner = widget->mapTo(window, QPoint(widget->width() - 3, widget->height() - 3));
    return window_image.pixelColor(corner);
}

// Collects every mismatch, so one run names them all.
class Findings {
public:
    void expect(bool ok, const QString& what)
    {
        if (!ok)
            list_ << what;
    }
    bool empty() const { return list_.isEmpty(); }
    QByteArray text() const { return list_.join(QLatin1Char('\n')).toUtf8(); }

private:
    QStringList list_;
};

QWidget* control_of(QWidget* window, const ControlDesign& control)
{
    return window->findChild<QWidget*>(name_of(control));
}

void check_controls(QWidget* window, const WindowDesign& design, Findings& findings)
{
    const QString window_name = QString::fromLatin1(design.name);
    const QImage image = window->grab().toImage();
    for (const ControlDesign& control : design.controls) {
        const QString name = name_of(control);
        QWidget* widget = control_of(window, control);
        findings.expect(widget != nullptr, name + QStringLiteral(": missing"));
        if (!widget)
            continue;
        findings.expect(kind_matches(control.kind, widget, control.flags),
                        name + QStringLiteral(": wrong kind of widget ") +
                            QString::fromLatin1(widget->metaObject()->className()));
        const QString parent = control.parent ? QString::fromLatin1(control.parent) : window_name;
        findings.expect(widget->parentWidget()->objectName() == parent,
                        name + QStringLiteral(": not inside ") + parent);

        const QRect want = expected_rect(control);
        findings.expect(widget->geometry() == want,
                        name + QStringLiteral(": at ") + describe(widget->geometry()) +
                            QStringLiteral(", design ") + describe(want));

        bool hidden = control.flags & Hidden;
        for (const auto& [w, c] : hidden_at_load)
            hidden = hidden || (window_name == QLatin1String(w) && name == QLatin1String(c));
        findings.expect(widget->isVisibleTo(window) == !hidden,
                        name + (hidden ? QStringLiteral(": shown") : QStringLiteral(": hidden")));

        const FontDesign& font = control.font.family ? control.font : design.font;
        const QFontInfo info(widget->font());
        const QString twin = font_twins.at(QString::fromLatin1(font.family));
        findings.expect(info.family() == twin, name + QStringLiteral(": font ") + info.family() +
                                                   QStringLiteral(", not ") + twin);
        findings.expect(qFuzzyCompare(widget->font().pointSizeF(), font.points) &&
                            qAbs(info.pointSizeF() - font.points) < 0.5,
                        name + QStringLiteral(": %1 pt").arg(info.pointSizeF()));
        findings.expect(info.bold() == font.bold, name + QStringLiteral(": boldness"));

        if (control.kind != ControlKind::TextBox && control.kind != ControlKind::Image &&
            control.kind != ControlKind::PictureBox && control.kind != ControlKind::Line) {
            const QString caption = QString::fromUtf8(control.caption ? control.caption : "");
            findings.expect(shown_text(widget) == caption,
                            name + QStringLiteral(": caption \"") + shown_text(widget) + '"');
        }

        if (control.back) {
            const QColor back = QColor::fromRgb(*control.back);
            findings.expect(widget->palette().color(back_role(control.kind)) == back,
                            name + QStringLiteral(": back colour"));
            const QColor painted = painted_back(image, window, widget);
            if (!hidden)
                findings.expect(painted == back,
                                name + QStringLiteral(": painted ") + painted.name());
        }
        if (control.fore)
            findings.expect(widget->palette().color(fore_role(control.kind)) ==
                                QColor::fromRgb(*control.fore),
                            name + QStringLiteral(": fore colour"));

        if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
            findings.expect(box->isReadOnly() == bool(control.flags & Locked),
                            name + QStringLiteral(": locked"));
            findings.expect(box->verticalScrollBarPolicy() == ((control.flags & VerticalScroll)
                                                                   ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff),
                            name + QStringLiteral(": scroll bar"));
            const bool borderless = box->frameShape() == QFrame::NoFrame;
            findings.expect(borderless == bool(control.flags & NoBorder),
                            name + QStringLiteral(": border"));
        }
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            findings.expect(line->isReadOnly() == bool(control.flags & Locked),
                            name + QStringLiteral(": locked"));
            findings.expect(line->hasFrame() == !(control.flags & NoBorder),
                            name + QStringLiteral(": border"));
        }
        if (auto* check = qobject_cast<QAbstractButton*>(widget); check && check->isCheckable())
            findings.expect(check->isChecked() == bool(control.flags & Checked),
                            name + QStringLiteral(": ticked"));
        if (auto* button = qobject_cast<QPushButton*>(widget))
            findings.expect(!button->isDefault() && !button->autoDefault(),
                            name + QStringLiteral(": a default button"));
    }
}

// The controls Tab visits, in the tab column's order: focusable kinds that are shown, and of a
// group of option buttons only the selected one.
std::vector<QWidget*> tab_stops(QWidget* window, const WindowDesign& design)
{
    std::vector<std::pair<int, QWidget*>> stops;
    for (const ControlDesign& control : design.controls) {
        QWidget* widget = control_of(window, control);
        if (control.tab < 0 || !takes_focus(control.kind) || !widget->isVisibleTo(window))
            continue;
        if (auto* option = qobject_cast<QRadioButton*>(widget); option && !option->isChecked())
            continue;
        stops.emplace_back(control.tab, widget);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> order;
    for (const auto& stop : stops)
        order.push_back(stop.second);
    return order;
}

void check_tab_order(QWidget* window, const WindowDesign& design, Findings& findings)
{
    const std::vector<QWidget*> stops = tab_stops(window, design);
    if (stops.empty())
        return;
    std::map<QWidget*, QWidget*> passes;
    for (const FocusPass& pass : focus_passes) {
        if (QLatin1String(pass.window) == QLatin1String(design.name))
            passes[window->findChild<QWidget*>(QString::fromLatin1(pass.from))] =
                window->findChild<QWidget*>(QString::fromLatin1(pass.to));
    }
    const auto landing = [&](QWidget* widget) {
        const auto pass = passes.find(widget);
        return pass == passes.end() ? widget : pass->second;
    };

    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        findings.expect(false, QStringLiteral("window never became active"));
        return;
    }
    auto position = static_cast<std::size_t>(
        std::find_if(stops.begin(), stops.end(), [&](QWidget* w) { return landing(w) == w; }) -
        stops.begin());
    stops[position]->setFocus(Qt::TabFocusReason);
    findings.expect(QApplication::focusWidget() == stops[position], QStringLiteral("first stop"));

    // Twice round, so that the wrap from the last stop to the first is seen too.
    for (std::size_t step = 0; step < 2 * stops.size(); ++step) {
        QWidget* want = landing(stops[(position + 1) % stops.size()]);
        position =
            static_cast<std::size_t>(std::find(stops.begin(), stops.end(), want) - stops.begin());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* got = QApplication::focusWidget();
        findings.expect(got == want, QStringLiteral("Tab reached %1, design says %2")
                                         .arg(got ? got->objectName() : QStringLiteral("nothing"),
                                              want->objectName()));
        if (got != want)
            return;
    }
}

// Fixed windows keep their size; sizable ones either scale every control with the client area
// or leave every control where it is.
void check_frame(QWidget* window, const WindowDesign& design, Findings& findings)
{
    const QSize client(static_cast<int>(std::lround(design.client_width / 15.0)),
                       static_cast<int>(std::lround(design.client_height / 15.0)));
    findings.expect(window->size() == client,
                    QStringLiteral("client area %1x%2").arg(window->width()).arg(window->height()));
    const Qt::WindowFlags flags = window->windowFlags();
    if (design.frame == FrameStyle::FixedDialog) {
        findings.expect(window->minimumSize() == client && window->maximumSize() == client,
                        QStringLiteral("resizable"));
        findings.expect(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
                        QStringLiteral("minimise or maximise box"));
        return;
    }
    window->resize(client * 2);
    settle();
    findings.expect(window->size() == client * 2, QStringLiteral("cannot be resized"));
    for (const ControlDesign& control : design.controls) {
        QWidget* widget = control_of(window, control);
        const QRect want = expected_rect(control, design.resize ? 2.0 : 1.0);
        // Controls in a frame are placed within a frame that was itself rounded once.
        findings.expect(near(widget->geometry(), want, control.parent ? 1 : 0),
                        name_of(control) + QStringLiteral(" at twice the size: ") +
                            describe(widget->geometry()) + QStringLiteral(", want ") +
                            describe(want));
    }
    window->resize(client);
    settle();
}

// The real window, shown as the program shows it.
QWidget* open_window(const WindowDesign& design)
{
    if (&design == &welcome_design) {
        run_in_event_loop(start_program);
        return Welcome.get();
    }
    if (&design == &pick_a_quiz_design)
        return pick_a_quiz.show();
    if (&design == &quest_design)
        return quest.show();
    if (&design == &theanswer_design)
        return theanswer.show();
    if (&design == &diagram_design)
        return Diagram.show();
    return Exhibit.show();
}

} // namespace

class TestDesigns : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_test_app(); }
    void cleanup() { tear_down_windows(); }

    void every_window_matches_its_design_data();
    void every_window_matches_its_design();
    void windows_placed_by_the_program_open_centred();
};

void TestDesigns::every_window_matches_its_design_data()
{
    QTest::addColumn<const WindowDesign*>("design");
    for (const WindowDesign* design : {&welcome_design, &pick_a_quiz_design, &quest_design,
                                       &theanswer_design, &diagram_design, &exhibit_design})
        QTest::newRow(design->name) << design;
}

void TestDesigns::every_window_matches_its_design()
{
    QFETCH(const WindowDesign*, design);
    QWidget* window = open_window(*design);
    QVERIFY(window && window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    settle();

    QCOMPARE(window->objectName(), QString::fromLatin1(design->name));
    // The welcome window's title is the test's, set when it loads.
    const QString title =
        design == &welcome_design ? bank.test_title : QString::fromUtf8(design->title);
    QCOMPARE(window->windowTitle(), title);
    const QPalette::ColorRole back = QPalette::Window;
    QCOMPARE(window->palette().color(back),
             design->back ? QColor::fromRgb(*design->back) : QApplication::palette().color(back));

    Findings findings;
    check_controls(window, *design, findings);
    check_tab_order(window, *design, findings);
    check_frame(window, *design, findings);
    if (!findings.empty())
        qWarning().noquote() << findings.text();
    QVERIFY2(findings.empty(), "the mismatches are listed above");
}

void TestDesigns::windows_placed_by_the_program_open_centred()
{
    // A window centred before it is first shown is centred without its frame, which the
    // platform reports only once the window is shown: up to half the frame off.
    const auto off_centre = [](const QWidget& window) {
        const QPoint offset =
            window.frameGeometry().center() - window.screen()->geometry().center();
        const QSize frame = window.frameGeometry().size() - window.size();
        return qMax(qAbs(offset.x()) - frame.width() / 2, qAbs(offset.y()) - frame.height() / 2);
    };
    const auto click = [](QWidget* window, const char* name) {
        QPushButton* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        run_in_event_loop([button] { button->click(); });
    };

    run_in_event_loop(start_program);
    QVERIFY(off_centre(*Welcome.get()) <= 1);
    click(Welcome.get(), "Start_Quiz");
    QVERIFY(off_centre(*pick_a_quiz.get()) <= 1);
    click(pick_a_quiz.get(), "Command1");
    QVERIFY(quest.get() && quest.get()->isVisible());
    QVERIFY(off_centre(*quest.get()) <= 1);

    // No answer pressed is a wrong reply, which opens the feedback window.
    std::optional<int> feedback_off_centre;
    ModalWatcher watcher([&](QWidget& modal) {
        feedback_off_centre = off_centre(modal);
        ModalWatcher::press_default_button(modal);
    });
    click(quest.get(), "NextButton");
    QVERIFY(!watcher.stuck());
    QCOMPARE(watcher.seen().size(), std::size_t(1));
    QCOMPARE(watcher.seen().front().title, QStringLiteral("The Answer"));
    QVERIFY(feedback_off_centre && *feedback_off_centre <= 1);
}

QTEST_MAIN(TestDesigns)
#include "test_designs.moc"
