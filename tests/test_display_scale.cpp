#include "quiz/answer_window.h"
#include "quiz/diagram_window.h"
#include "quiz/exhibit_window.h"
#include "quiz/quest_window.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "shell/pick_a_quiz_window.h"
#include "shell/program.h"
#include "shell/welcome_window.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"

#include <QIcon>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <map>

// Run twice by CTest: at QT_SCALE_FACTOR 1 and 2. Geometry in design units must not depend on
// the scale; pictures must gain pixels, drawn from their double-size twins.

namespace {

double scale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

// Controls whose place differs from the design by more than a pixel, with their
// pixel rectangles. A line's rectangle is its end points. Controls in a frame are laid out in
// the frame's content area, below its title, scaled from the frame's design size.
QString misplaced_controls(const QWidget& window, const WindowDesign& design)
{
    QStringList misplaced;
    // Edges are rounded to whole pixels, so a size may be a pixel off.
    const auto off = [](int pixels, double twips_per_pixel_here, int design_twips) {
        return std::abs(pixels * twips_per_pixel_here - design_twips) > twips_per_pixel_here;
    };
    if (off(window.width(), twips_per_pixel, design.client_width) ||
        off(window.height(), twips_per_pixel, design.client_height))
        misplaced << QStringLiteral("client area");
    for (const ControlDesign& c : design.controls) {
        const QWidget* widget = control<QWidget>(window, control_name(c));
        // A control inside a frame is placed from the frame's corner.
        const QRect box = widget->geometry();
        const bool line = c.kind == ControlKind::Line;
        const int width = line ? std::max(c.width - c.left, twips_per_pixel) : c.width;
        const int height = line ? std::max(c.height - c.top, twips_per_pixel) : c.height;
        const bool moved =
            off(box.x(), twips_per_pixel, c.left) || off(box.y(), twips_per_pixel, c.top);
        if (moved || off(box.width(), twips_per_pixel, width) ||
            off(box.height(), twips_per_pixel, height))
            misplaced << QStringLiteral("%1 at %2,%3 %4x%5")
                             .arg(control_name(c))
                             .arg(box.x())
                             .arg(box.y())
                             .arg(box.width())
                             .arg(box.height());
    }
    return misplaced.join(QLatin1String("; "));
}

// Mean difference per colour channel, 0 to 255, of two pictures of one size.
double difference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    Q_ASSERT(x.size() == y.size());
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            total += std::abs(qRed(p[col]) - qRed(q[col])) +
                     std::abs(qGreen(p[col]) - qGreen(q[col])) +
                     std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return total / (3.0 * x.width() * x.height());
}

// The source stretched over the given pixels in one step, as a box draws it.
QImage stretched(const QImage& source, QSize pixels)
{
    QImage out(pixels, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(out.rect()), source, QRectF(source.rect()));
    return out;
}

struct Grab {
    QImage pixels;
    QSize logical;
    double ratio;
};

Grab grab(QWidget& widget)
{
    const QPixmap pixmap = widget.grab();
    return {pixmap.toImage(), widget.size(), pixmap.devicePixelRatio()};
}

// The picture on screen comes from the twin that suits the scale, stretched once: it matches
// that source scaled straight to the box's pixels, and at scale 2 a blown-up 1x picture does
// not match it nearly as well.
void check_picture(QWidget& image, const char* one_x, const char* two_x)
{
    const Grab shot = grab(image);
    QCOMPARE(shot.ratio, scale());
    QCOMPARE(shot.pixels.size(), shot.logical * scale());
    const QImage small(QString::fromLatin1(one_x));
    const QImage large(QString::fromLatin1(two_x));
    QCOMPARE(large.size(), small.size() * 2);
    const QImage& source = scale() > 1 ? large : small;
    const double sharp = difference(shot.pixels, stretched(source, shot.pixels.size()));
    QVERIFY2(sharp < 1.0, qPrintable(QString::number(sharp)));
    if (scale() > 1) {
        const double blurred = difference(shot.pixels, stretched(small, shot.pixels.size()));
        QVERIFY2(blurred > 4 * sharp + 2.0,
                 qPrintable(QStringLiteral("%1 against %2").arg(blurred).arg(sharp)));
    }
}

} // namespace

class TestDisplayScale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepare_test_app();
        // The run really is at the scale it names.
        QCOMPARE(qApp->devicePixelRatio(), scale());
    }
    void cleanup() { tear_down_windows(); }

    void every_window_keeps_its_design_geometry()
    {
        quiz_driver::start_quiz(1, {{"answer_when_wrong", false}});
        QCOMPARE(misplaced_controls(*quest.get(), quest_design), QString());
        QCOMPARE(quest.get()->windowHandle()->devicePixelRatio(), scale());
        tear_down_windows();

        quiz_driver::open_options();
        QCOMPARE(misplaced_controls(*pick_a_quiz.get(), pick_a_quiz_design), QString());
        run_in_event_loop([] { Welcome.get()->show(); });
        QCOMPARE(misplaced_controls(*Welcome.get(), welcome_design), QString());

        theanswer.load()->show();
        QCOMPARE(misplaced_controls(*theanswer.get(), theanswer_design), QString());
        Diagram.show();
        QCOMPARE(misplaced_controls(*Diagram.get(), diagram_design), QString());
        Exhibit.show();
        QCOMPARE(misplaced_controls(*Exhibit.get(), exhibit_design), QString());
    }

    void the_banner_and_the_band_are_sharp()
    {
        run_in_event_loop(start_program);
        check_picture(*control<QWidget>(*Welcome.get(), "Image1"), ":/assets/banner.jpg",
                      ":/assets/banner@2x.jpg");
        tear_down_windows();
        quiz_driver::start_quiz(1, {{"answer_when_wrong", false}});
        check_picture(*control<QWidget>(*quest.get(), "Image1"), ":/assets/band.png",
                      ":/assets/band@2x.png");
    }

    void a_diagram_is_stretched_once_from_its_own_pixels()
    {
        // Fine stripes: any scaling done twice would smear them.
        QImage picture(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y,
                                 (x / 2 + y / 3) % 2 ? qRgb(20, 40, 160) : qRgb(240, 230, 90));
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stripes.png"));
        QVERIFY(picture.save(path));
        show_diagram(path);
        const Grab shot = grab(*control<QWidget>(*Diagram.get(), "Image1"));
        QCOMPARE(shot.pixels.size(), shot.logical * scale());
        const double once = difference(shot.pixels, stretched(picture, shot.pixels.size()));
        QVERIFY2(once < 1.0, qPrintable(QString::number(once)));
    }

    void the_window_icon_comes_in_both_sizes()
    {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
        const QImage large = icon.pixmap(QSize(32, 32), 2.0).toImage();
        QCOMPARE(large.size(), QSize(64, 64));
        QCOMPARE(difference(large, QImage(QStringLiteral(":/assets/icon@2x.png"))), 0.0);
    }
};

QTEST_MAIN(TestDisplayScale)
#include "test_display_scale.moc"
