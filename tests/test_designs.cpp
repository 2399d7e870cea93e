// Every window against its design table, and the pictures, at the scale the run names: CTest runs
// this at QT_SCALE_FACTOR 1 and 2. Places in logical pixels must not depend on the scale; pictures
// gain pixels, drawn from their double-size twins.
#include "app/program.h"
#include "bank/question_bank.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/answer_window.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/pick_a_quiz_window.h"
#include "windows/progress_window.h"
#include "windows/quest_window.h"
#include "windows/review_window.h"
#include "windows/welcome_window.h"

#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <cmath>
#include <map>
#include <optional>

Q_DECLARE_METATYPE(const WindowDesign*)

namespace {

double scale()
{
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

// The fonts this platform lacks, and the twins that stand in for them.
const std::map<QString, QString> font_twins = {
    {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
    {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
};

// Read-only texts whose focus handler passes the focus on, and where to.
const std::map<QString, QString> focus_passes = {
    {QStringLiteral("quest/Q1"), QStringLiteral("NextButton")},
    {QStringLiteral("theanswer/Text1"), QStringLiteral("Closeb")},
    {QStringLiteral("Exhibit/Text1"), QStringLiteral("Command1")},
};

// Places worked out by hand from the design tables, in logical pixels: 15 twips a pixel, edges
// rounded rather than sizes, a line one pixel thick, a framed control from its frame's corner.
// A window given a client size is first resized to it, so the proportional layout places them.
struct Place {
    const char* window;
    QSize client; // empty: the design's own size
    const char* control;
    QRect rect;
};
const Place places[] = {
    {"Welcome", {}, "test_name", {16, 224, 305, 27}},
    {"Welcome", {}, "author_name2", {192, 256, 137, 19}},
    {"quest", {}, "Q1", {48, 8, 521, 89}},
    {"quest", {}, "QChoice_1", {56, 104, 49, 33}},
    {"quest", {}, "abox_1", {112, 104, 460, 33}},
    {"quest", {}, "Line2", {584, 224, 40, 1}},
    {"pick_a_quiz", {}, "which_quiz_1", {8, 24, 89, 25}},
    {"theanswer", {}, "Closeb", {416, 360, 129, 25}},
    {"Exhibit", {}, "Command1", {240, 288, 129, 25}},
    // About one and a half times the design's 629 x 423: 943 / 629 across, 634 / 423 down.
    {"quest", {943, 634}, "Q1", {72, 12, 781, 133}},
    {"quest", {943, 634}, "QChoice_6", {84, 456, 73, 49}},
    {"quest", {943, 634}, "NextButton", {672, 552, 181, 61}},
    {"quest", {943, 634}, "Gauge1", {876, 108, 49, 181}},
};

void expect(QStringList& findings, bool ok, const QString& what)
{
    if (!ok)
        findings << what;
}

// Every mismatch is collected, so that one run names them all: each control is there, in the
// font that stands in for the design's.
void check_controls(QWidget* window, const WindowDesign& design, QStringList& findings)
{
    for (const ControlDesign& control : design.controls) {
        const QString name = control_name(control);
        auto* widget = window->findChild<QWidget*>(name);
        const FontDesign& font = control.font.family ? control.font : design.font;
        if (!widget)
            findings << name + QStringLiteral(": missing");
        else if (QFontInfo(widget->font()).family() !=
                 font_twins.at(QString::fromLatin1(font.family)))
            findings << name + QStringLiteral(": ") + QFontInfo(widget->font()).family();
    }
}

// Where Tab goes, read off each design's tab column by hand: the shown controls that take the
// focus, and of a group of option buttons only the selected one. The question window is shown
// here as it opens, before a question fills it.
const std::map<QString, const char*> tab_cycles = {
    {QStringLiteral("Welcome"), "test_name test_description author_name2 Start_Quiz Command1"},
    {QStringLiteral("pick_a_quiz"),
     "which_quiz_1 answer_when_wrong answer_when_right random_questions random_answers Command1"},
    {QStringLiteral("quest"),
     "Q1 abox_1 abox_2 abox_3 abox_4 abox_5 abox_6 NextButton diagrambutton_1 diagrambutton_2 "
     "diagrambutton_3 exhibitbutton_1 exhibitbutton_2 exhibitbutton_3 cluebutton quitquiz "
     "QChoice_1 QChoice_2 QChoice_3 QChoice_4 QChoice_5 QChoice_6"},
    {QStringLiteral("theanswer"), "Closeb Text1"},
    {QStringLiteral("Diagram"), "Command1"},
    {QStringLiteral("Exhibit"), "Text1 Command1"},
    // Nothing graded: no aid to open, nothing to retake.
    {QStringLiteral("Review"), "answers show_rows_1 detail scores Closeb"},
    // Nothing recorded: nothing due, to retake or to open.
    {QStringLiteral("Progress"),
     "attempts plot question_count minutes answer_when_wrong answer_when_right random_questions "
     "random_answers chapters practice new_quiz save_pdf save_csv Closeb"},
};

// From each stop, Tab lands on the next and Shift+Tab on the one before, wrapping round, or
// where that one passes the focus on.
void check_tab_order(QWidget* window, const WindowDesign& design, QStringList& findings)
{
    const QString window_name = QString::fromLatin1(design.name);
    const QStringList stops = QString::fromLatin1(tab_cycles.at(window_name)).split(u' ');
    const auto landing = [&](const QString& stop) {
        const auto pass = focus_passes.find(window_name + u'/' + stop);
        return pass == focus_passes.end() ? stop : pass->second;
    };
    if (!activate(*window)) {
        findings << QStringLiteral("window never became active");
        return;
    }
    for (qsizetype i = 0; i < stops.size(); ++i) {
        if (landing(stops[i]) != stops[i])
            continue;
        for (const qsizetype step : {qsizetype{1}, stops.size() - 1}) {
            control<QWidget>(*window, stops[i])->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            step == 1 ? Qt::NoModifier : Qt::ShiftModifier);
            const QString want = landing(stops[(i + step) % stops.size()]);
            expect(findings, focused() == want,
                   QStringLiteral("%1 from %2 reached %3, design says %4")
                       .arg(QLatin1String(step == 1 ? "Tab" : "Shift+Tab"), stops[i], focused(),
                            want));
        }
    }
}

// Fixed windows keep their size, with no minimise or maximise box; sizable ones can grow.
void check_frame(QWidget* window, const WindowDesign& design, QStringList& findings)
{
    const QSize client(design.client_width / twips_per_pixel,
                       design.client_height / twips_per_pixel);
    // A grid window gives up what its screen lacks, down to what its controls need.
    const QSize room = window->screen()->availableSize();
    const QSize least = window->minimumSizeHint();
    const auto fits = [&](int size, int design_size, int screen, int needed) {
        return size <= design_size && (size == design_size || size <= screen || size == needed);
    };
    const bool grid = !design.column_stretch.empty();
    expect(findings,
           grid ? fits(window->width(), client.width(), room.width(), least.width()) &&
                      fits(window->height(), client.height(), room.height(), least.height())
                : window->size() == client,
           QStringLiteral("client area %1x%2").arg(window->width()).arg(window->height()));
    const bool fixed = design.frame == FrameStyle::FixedDialog;
    expect(findings, (window->maximumSize() == client) == fixed, QStringLiteral("frame"));
    expect(findings,
           !fixed || !(window->windowFlags() &
                       (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
           QStringLiteral("minimise or maximise box"));
}

const WindowDesign* const all_designs[] = {&welcome_design,   &pick_a_quiz_design, &quest_design,
                                           &theanswer_design, &diagram_design,     &exhibit_design,
                                           &review_design,    &progress_design};

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
    if (&design == &progress_design) {
        Progress.load()->show_figures({});
        return Progress.show();
    }
    if (&design == &review_design) {
        Review.load()->show_attempt(Attempt{});
        return Review.show();
    }
    return Exhibit.show();
}

// The box shows its picture's twin for the scale stretched over it in one step; at scale 2 a
// blown-up 1x picture would match far worse. A difference is the mean per channel, 0 to 255.
void check_picture(QWidget& box, const char* one_x, const char* two_x)
{
    const QPixmap shot = box.grab();
    QCOMPARE(shot.size(), box.size() * scale());
    const QImage drawn = shot.toImage().convertToFormat(QImage::Format_RGB32);
    const auto difference = [&drawn](const char* file) {
        QImage want(drawn.size(), QImage::Format_RGB32);
        want.fill(Qt::white);
        QPainter painter(&want);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(want.rect()), QImage(QString::fromLatin1(file)));
        painter.end();
        double total = 0;
        for (int y = 0; y < want.height(); ++y) {
            for (int x = 0; x < want.width(); ++x) {
                const QRgb p = drawn.pixel(x, y), q = want.pixel(x, y);
                total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                         std::abs(qBlue(p) - qBlue(q));
            }
        }
        return total / (3.0 * want.width() * want.height());
    };
    const double sharp = difference(scale() > 1 ? two_x : one_x);
    QVERIFY2(sharp < 1.0, qPrintable(QString::number(sharp)));
    QVERIFY(scale() == 1 || difference(one_x) > 4 * sharp + 2.0);
}

} // namespace

Q_DECLARE_METATYPE(const Place*)

class TestDesigns : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepare_test_app();
        // The run really is at the scale it names.
        QCOMPARE(qApp->devicePixelRatio(), scale());
    }
    void cleanup() { tear_down_windows(); }

    void every_window_matches_its_design_data()
    {
        QTest::addColumn<const WindowDesign*>("design");
        for (const WindowDesign* design : all_designs)
            QTest::newRow(design->name) << design;
    }

    void every_window_matches_its_design()
    {
        QFETCH(const WindowDesign*, design);
        QWidget* window = open_window(*design);
        QVERIFY(window && window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        settle();
        QCOMPARE(window->windowHandle()->devicePixelRatio(), scale());
        QStringList findings;
        check_controls(window, *design, findings);
        check_tab_order(window, *design, findings);
        check_frame(window, *design, findings);
        QVERIFY2(findings.isEmpty(), qPrintable(findings.join(QLatin1Char('\n'))));
    }

    void controls_sit_where_the_design_tables_put_them_data()
    {
        QTest::addColumn<const Place*>("place");
        for (const Place& place : places)
            QTest::addRow("%s %s at %dx%d", place.window, place.control, place.client.width(),
                          place.client.height())
                << &place;
    }

    void controls_sit_where_the_design_tables_put_them()
    {
        QFETCH(const Place*, place);
        const auto design = std::find_if(
            std::begin(all_designs), std::end(all_designs), [&](const WindowDesign* d) {
                return QLatin1String(d->name) == QLatin1String(place->window);
            });
        QWidget* window = open_window(**design);
        if (!place->client.isEmpty()) {
            window->resize(place->client);
            settle();
        }
        QCOMPARE(control<QWidget>(*window, QString::fromLatin1(place->control))->geometry(),
                 place->rect);
    }

    // Two lines of choice text fit the box, descenders too.
    void two_lines_of_choice_text_fit_their_box()
    {
        quiz_driver::start_quiz(1, {quiz_driver::no_feedback});
        auto* choice = control<QPlainTextEdit>(*quest.get(), "abox_2");
        choice->setPlainText(QStringLiteral("access-list 101 deny tcp 192.168.10.0 0.0.0.255 host "
                                            "172.16.1.10 eq 80 log, to log every matching query"));
        QCOMPARE(choice->document()->firstBlock().layout()->lineCount(), 2);
        QTextCursor end(choice->document());
        end.movePosition(QTextCursor::End);
        QVERIFY2(choice->cursorRect(end).bottom() < choice->viewport()->height(),
                 qPrintable(QString::number(choice->cursorRect(end).bottom())));
    }

    void windows_placed_by_the_program_open_centred()
    {
        run_in_event_loop(start_program);
        QVERIFY(off_centre(*Welcome.get()) <= 1);
        quiz_driver::click(*Welcome.get(), "Start_Quiz");
        QVERIFY(off_centre(*pick_a_quiz.get()) <= 1);
        quiz_driver::start();
        QVERIFY(quest.get() && quest.get()->isVisible());
        QVERIFY(off_centre(*quest.get()) <= 1);

        // No answer pressed is a wrong reply, which opens the feedback window.
        std::optional<int> feedback_off_centre;
        ModalWatcher watcher([&](QWidget& modal) {
            feedback_off_centre = off_centre(modal);
            ModalWatcher::press_default_button(modal);
        });
        quiz_driver::press_next();
        QVERIFY(!watcher.stuck());
        QCOMPARE(watcher.seen().size(), std::size_t(1));
        QCOMPARE(watcher.seen().front().title, QStringLiteral("The Answer"));
        QVERIFY(feedback_off_centre && *feedback_off_centre <= 1);
    }

    void the_banner_and_the_band_are_sharp()
    {
        run_in_event_loop(start_program);
        check_picture(*control<QWidget>(*Welcome.get(), "Image1"), ":/assets/banner.jpg",
                      ":/assets/banner@2x.jpg");
        tear_down_windows();
        quiz_driver::start_quiz(1, {quiz_driver::no_feedback});
        check_picture(*control<QWidget>(*quest.get(), "Image1"), ":/assets/band.png",
                      ":/assets/band@2x.png");
    }
};

QTEST_MAIN(TestDesigns)
#include "test_designs.moc"
