#include "bank/question_bank.h"
#include "quiz/quiz.h"
#include "screens/stretched_image.h"
#include "screens/window_builder.h"
#include "support/modal_watcher.h"
#include "support/quiz_driver.h"
#include "support/test_app.h"
#include "windows/diagram_window.h"
#include "windows/exhibit_window.h"
#include "windows/quest_window.h"
#include "windows/welcome_window.h"

#include <QAccessible>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <array>
#include <optional>

namespace {

struct Aids {
    QString clue;
    std::array<QString, 3> diagrams;
    std::array<QString, 3> exhibits;
};

// Clicks a button of the question window, as a user can only when it shows.
bool click_aid(const char* name, int index = 0)
{
    auto* button = control<QPushButton>(*quest.get(), control_name(name, index));
    if (!button->isVisible())
        return false;
    run_in_event_loop([button] { button->click(); });
    return true;
}

// Starts quiz 1 in bank order with no shuffles. The aids go into the bank after the welcome
// window has loaded it, as a bank that carries them would fill them: position p shows record
// (p - 1) * 4 + 1.
bool start_quiz(const std::vector<Aids>& aids_by_position, bool feedback_when_wrong = false)
{
    using namespace quiz_driver;
    open_options();
    for (std::size_t p = 0; p < aids_by_position.size(); ++p) {
        QuestionRecord& record = bank.record(static_cast<int>(p) * 4 + 1);
        record.clue = aids_by_position[p].clue;
        for (std::size_t i = 0; i < 3; ++i) {
            record.diagram_file[i + 1] = aids_by_position[p].diagrams[i];
            record.exhibit_file[i + 1] = aids_by_position[p].exhibits[i];
        }
    }
    choose(1, {in_order, answers_in_order, {"answer_when_wrong", feedback_when_wrong}});
    start();
    return quest.get() && quest.get()->isVisible() && quiz_state.current_question == 1;
}

// An icon file holding every image: each is written as a one-image icon, then the directory
// entries are gathered in front of all the image data.
QByteArray icon_file(const std::vector<QImage>& images)
{
    constexpr int header_size = 6, entry_size = 16;
    QByteArray header(header_size, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2);
    qToLittleEndian<quint16>(static_cast<quint16>(images.size()), header.data() + 4);
    QByteArray entries, data;
    const auto offset = static_cast<quint32>(header_size + entry_size * images.size());
    for (const QImage& image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!QImageWriter(&buffer, "ico").write(image))
            return {};
        const QByteArray single = buffer.data();
        QByteArray entry = single.mid(header_size, entry_size);
        qToLittleEndian<quint32>(offset + static_cast<quint32>(data.size()), entry.data() + 12);
        entries += entry;
        data += single.mid(header_size + entry_size);
    }
    return header + entries + data;
}

QImage filled(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

bool write_picture(const QString& path, QSize size, const QColor& colour)
{
    return filled(size, colour).save(path, "PNG");
}

QString exhibit_shown()
{
    return Exhibit.get()->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
}

const QPixmap& diagram_picture()
{
    return Diagram.get()->findChild<StretchedImage*>(QStringLiteral("Image1"))->picture();
}

// What the Diagram window shows at a point of its image box, from the box's top-left corner.
QColor shown_in_diagram(QPoint at)
{
    QWidget* window = Diagram.get();
    QWidget* image = window->findChild<StretchedImage*>(QStringLiteral("Image1"));
    return window->grab().toImage().pixelColor(image->mapTo(window, at));
}

// A chunk as the PNG format lays it out: length, type, data, and the CRC-32 of type and data.
QByteArray png_chunk(const QByteArray& type, const QByteArray& data)
{
    const QByteArray covered = type + data;
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : covered) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320U : 0U);
    }
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), chunk.data());
    chunk += covered + QByteArray(4, '\0');
    qToBigEndian<quint32>(~crc, chunk.data() + chunk.size() - 4);
    return chunk;
}

// A picture in `format` carrying `text` as its text alternative, put in by hand where the file
// format puts it: a PNG tEXt chunk keyed Description just before the image data (or just after
// it, which the format allows too), or a JPEG comment segment right after the start marker.
QByteArray picture_with_text(const char* format, const QByteArray& text, bool after_data = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!filled({12, 8}, Qt::green).save(&buffer, format))
        return {};
    QByteArray file = buffer.data();
    if (text.isEmpty())
        return file;
    if (qstrcmp(format, "jpg") == 0) {
        QByteArray segment("\xFF\xFE\0\0", 4);
        qToBigEndian<quint16>(static_cast<quint16>(text.size() + 2), segment.data() + 2);
        return file.insert(2, segment + text);
    }
    const QByteArray chunk = png_chunk("tEXt", "Description" + QByteArray(1, '\0') + text);
    const qsizetype at = after_data ? file.indexOf("IEND") - 4 : file.indexOf("IDAT") - 4;
    return file.insert(at, chunk);
}

// A regular file that even root cannot open for reading.
const QString write_only_file = QStringLiteral("/proc/sys/vm/drop_caches");

} // namespace

class TestViewers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepare_test_app();
        QVERIFY(dir_.isValid());
        start_dir_ = QDir::currentPath();
    }

    void init()
    {
        // Relative paths in the records resolve against the working directory.
        QVERIFY(QDir::setCurrent(dir_.path()));
    }

    void cleanup()
    {
        tear_down_windows();
        QDir::setCurrent(start_dir_);
    }

    // As stored: spaces kept, CR LF one new line, markup shown as text.
    void clue_box_shows_the_clue_as_stored()
    {
        for (const auto& [clue, shown] :
             {std::pair{"  Think of the mask  ", "  Think of the mask  "},
              {"one\r\ntwo\rthree", "one\ntwo\nthree"},
              {"<b>not bold</b> & more", "<b>not bold</b> & more"}}) {
            QVERIFY(start_quiz({{QString::fromLatin1(clue), {}, {}}}));
            Qt::TextFormat format = Qt::AutoText;
            ModalWatcher watcher([&format](QWidget& modal) {
                if (auto* box = qobject_cast<QMessageBox*>(&modal))
                    format = box->textFormat();
                ModalWatcher::press_default_button(modal);
            });
            QVERIFY(click_aid("cluebutton"));
            QVERIFY(!watcher.stuck() && watcher.seen().size() == 1);
            QCOMPARE(watcher.seen().front().title, QStringLiteral("Clue"));
            QCOMPARE(watcher.seen().front().text, QString::fromLatin1(shown));
            QCOMPARE(format, Qt::PlainText);
            tear_down_windows();
        }
    }

    void each_viewer_is_one_window_that_shows_the_file_as_it_is_at_the_click()
    {
        QVERIFY(write_picture(in_dir("red.png"), {40, 30}, Qt::red));
        QVERIFY(write_picture(in_dir("blue.png"), {20, 60}, Qt::blue));
        QVERIFY(write_file(in_dir("one.txt"), "first\r\nexhibit"));
        QVERIFY(write_file(in_dir("two.txt"), "second\r\n"));
        QVERIFY(start_quiz({{"",
                             {in_dir("red.png"), in_dir("blue.png"), ""},
                             {in_dir("one.txt"), in_dir("two.txt"), ""}}}));

        QVERIFY(click_aid("exhibitbutton", 1));
        QPointer<ExhibitWindow> exhibit = Exhibit.get();
        QVERIFY(exhibit && exhibit->isVisible());
        QCOMPARE(exhibit_shown(), QStringLiteral("first\nexhibit\n"));
        // Its close button, where the focus goes, reads the text out.
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QWidget>(*exhibit, "Command1"))
                     ->text(QAccessible::Description),
                 QStringLiteral("first\r\nexhibit\r\n"));
        QVERIFY(off_centre(*exhibit) <= 1);
        // The question window stays usable beside it.
        QVERIFY(!exhibit->isModal());
        QVERIFY(quest.get()->isEnabled());
        exhibit->move(3, 5);
        QVERIFY(click_aid("exhibitbutton", 2));
        QCOMPARE(Exhibit.get(), exhibit.data());
        QCOMPARE(exhibit_shown(), QStringLiteral("second\n"));
        QVERIFY(off_centre(*exhibit) <= 1);

        QVERIFY(click_aid("diagrambutton", 1));
        QPointer<DiagramWindow> diagram = Diagram.get();
        QVERIFY(diagram && diagram->isVisible());
        QCOMPARE(shown_in_diagram({2, 2}), QColor(Qt::red));
        QVERIFY(click_aid("diagrambutton", 2));
        QCOMPARE(Diagram.get(), diagram.data());
        // Stretched over the whole box, corner to corner.
        const QSize box = diagram->findChild<StretchedImage*>()->size();
        QCOMPARE(shown_in_diagram({1, 1}), QColor(Qt::blue));
        QCOMPARE(shown_in_diagram({box.width() - 2, box.height() - 2}), QColor(Qt::blue));

        // "Close", or Escape, only hides: the windows stay loaded, and the next click reads the
        // file again.
        quiz_driver::click(*diagram, "Command1");
        QVERIFY(activate(*exhibit));
        QTest::keyClick(exhibit, Qt::Key_Escape);
        QVERIFY(Diagram.is_open() && !diagram->isVisible() && !diagram_picture().isNull());
        QVERIFY(Exhibit.is_open() && !exhibit->isVisible());
        QVERIFY(write_picture(in_dir("blue.png"), {10, 10}, Qt::green));
        QVERIFY(write_file(in_dir("two.txt"), "after"));
        QVERIFY(click_aid("diagrambutton", 2));
        QVERIFY(click_aid("exhibitbutton", 2));
        QCOMPARE(shown_in_diagram({2, 2}), QColor(Qt::green));
        QCOMPARE(exhibit_shown(), QStringLiteral("after\n"));
    }

    // NEXT closes them before it grades.
    void next_closes_the_viewers_before_grading()
    {
        QVERIFY(write_picture(in_dir("next.png"), {10, 10}, Qt::red));
        QVERIFY(write_file(in_dir("next.txt"), "text"));
        const Aids aids{"", {in_dir("next.png"), "", ""}, {in_dir("next.txt"), "", ""}};
        QVERIFY(start_quiz({aids, aids}, true));
        QVERIFY(click_aid("diagrambutton", 1) && click_aid("exhibitbutton", 1));
        // No answer pressed is a wrong reply: the feedback window shows while NEXT grades it.
        std::optional<bool> viewers_open_at_grading;
        ModalWatcher watcher([&](QWidget& modal) {
            viewers_open_at_grading = Diagram.is_open() || Exhibit.is_open();
            ModalWatcher::press_default_button(modal);
        });
        quiz_driver::press_next();
        QCOMPARE(watcher.seen().size(), std::size_t(1));
        QCOMPARE(viewers_open_at_grading, std::optional<bool>(false));
    }

    void diagram_paths_are_used_literally_and_show_their_largest_usable_image_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("usable");
        QVERIFY(write_file(in_dir("garbage.png"), QByteArray(4096, '\x5A')));
        QVERIFY(write_picture(in_dir("whole.png"), {64, 64}, Qt::green));
        QFile whole(in_dir("whole.png"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QVERIFY(write_file(in_dir("truncated.png"), whole.read(60)));
        QVERIFY(write_file(in_dir("empty.png"), {}));
        // A name that cannot be opened beside one that could be found by adding an extension.
        QFile::link(write_only_file, in_dir("locked"));
        QVERIFY(write_picture(in_dir("locked.png"), {10, 10}, Qt::green));
        // A relative name with wildcards, beside another picture they might be taken to mean.
        QVERIFY(write_picture(in_dir("[d]*?.png"), {10, 10}, Qt::green));
        QVERIFY(write_picture(in_dir("d.png"), {10, 10}, Qt::blue));
        // An icon whose largest image, the green one, is neither its first nor its last.
        QVERIFY(write_file(in_dir("sizes.ico"),
                           icon_file({filled({16, 16}, Qt::red), filled({48, 48}, Qt::green),
                                      filled({32, 32}, Qt::blue)})));

        QTest::newRow("not a picture") << in_dir("garbage.png") << false;
        QTest::newRow("truncated picture") << in_dir("truncated.png") << false;
        QTest::newRow("empty file") << in_dir("empty.png") << false;
        QTest::newRow("cannot be opened") << in_dir("locked") << false;
        QTest::newRow("wildcards in the name") << QStringLiteral("[d]*?.png") << true;
        QTest::newRow("largest image of an icon") << in_dir("sizes.ico") << true;
    }

    // An unreadable picture replaces the good red one shown before with an empty window; a
    // usable one shows green.
    void diagram_paths_are_used_literally_and_show_their_largest_usable_image()
    {
        QFETCH(QString, path);
        QFETCH(bool, usable);
        if (path.endsWith(QLatin1String("locked")) && !QFileInfo(path).isFile())
            QSKIP("this system has no write-only file to link to");
        QVERIFY(write_picture(in_dir("good.png"), {10, 10}, Qt::red));
        QVERIFY(start_quiz({{"", {path, in_dir("good.png"), ""}, {}}}));
        QVERIFY(click_aid("diagrambutton", 1) && click_aid("diagrambutton", 2) &&
                click_aid("diagrambutton", 1));
        QVERIFY(Diagram.get()->isVisible());
        QCOMPARE(diagram_picture().isNull(), !usable);
        if (usable)
            QCOMPARE(shown_in_diagram({2, 2}), QColor(Qt::green));
        QVERIFY(quest.get()->isVisible());
    }

    // What a screen reader hears of the picture: the text alternative the file carries, or the
    // file's name when it carries none.
    void diagram_reads_out_the_text_alternative_of_its_picture()
    {
        const QByteArray text = "R1 Fa0/0 10.0.0.1/24 links to switch SW1.";
        for (const auto& [file, heard] :
             {std::pair{picture_with_text("png", text), QString(text)},
              {picture_with_text("png", text, true), QString(text)},
              {picture_with_text("jpg", text), QString(text)},
              {picture_with_text("png", ""), QStringLiteral("plain.pic")}}) {
            QVERIFY(!file.isEmpty() && write_file(in_dir("plain.pic"), file));
            QVERIFY(start_quiz({{"", {in_dir("plain.pic"), "", ""}, {}}}));
            QVERIFY(click_aid("diagrambutton", 1));
            QAccessibleInterface* image = QAccessible::queryAccessibleInterface(
                Diagram.get()->findChild<StretchedImage*>(QStringLiteral("Image1")));
            QCOMPARE(image->text(QAccessible::Name), QStringLiteral("Diagram"));
            QCOMPARE(image->text(QAccessible::Description), heard);
            QVERIFY(!diagram_picture().isNull());
            tear_down_windows();
        }
    }

    void exhibit_paths_are_used_literally_and_unreadable_ones_open_nothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("shown");
        QDir(dir_.path()).mkpath(QStringLiteral("folder.txt"));
        QVERIFY(write_file(in_dir(".hidden.txt"), "hidden"));
        QVERIFY(write_file(in_dir("empty.txt"), {}));
        QVERIFY(write_file(in_dir("ex[1]*?.txt"), "wild"));
        QVERIFY(write_file(in_dir("  lead.txt"), "with spaces"));
        QVERIFY(write_file(in_dir("lead.txt"), "trimmed"));

        QTest::newRow("missing") << in_dir("none.txt") << false << QString();
        QTest::newRow("folder") << in_dir("folder.txt") << false << QString();
        QTest::newRow("hidden file") << in_dir(".hidden.txt") << false << QString();
        // Found as an ordinary file, but no one may read it, not even root.
        if (QFileInfo(write_only_file).isFile())
            QTest::newRow("write-only file") << write_only_file << false << QString();
        // Found and opened, but reading it fails at once.
        QTest::newRow("read error") << QStringLiteral("/proc/self/mem") << false << QString();
        QTest::newRow("empty file") << in_dir("empty.txt") << true << QString();
        QTest::newRow("wildcards in the name") << "ex[1]*?.txt" << true << "wild\n";
        QTest::newRow("leading spaces kept") << "  lead.txt" << true << "with spaces\n";
        // Qt would read a path beginning with ':' from the program's own files; both viewers look
        // paths up alike.
        QVERIFY(QDir().mkpath(dir_.path() + QStringLiteral("/:/assets")));
        QVERIFY(write_file(dir_.path() + QStringLiteral("/:/assets/disk.txt"), "on disk"));
        QTest::newRow("built-in picture's name") << ":/assets/band.png" << false << QString();
        QTest::newRow("colon-led file on disk") << ":/assets/disk.txt" << true << "on disk\n";
        QTest::newRow("embedded NUL")
            << QStringLiteral("lead.txt") + QChar(0) + QStringLiteral("x") << false << QString();
    }

    // An exhibit shown first stays when the path opens nothing.
    void exhibit_paths_are_used_literally_and_unreadable_ones_open_nothing()
    {
        QFETCH(QString, field);
        QFETCH(bool, opens);
        QFETCH(QString, shown);
        QVERIFY(write_file(in_dir("good.txt"), "good"));
        QVERIFY(start_quiz({{"", {}, {field, in_dir("good.txt"), ""}}}));
        QVERIFY(click_aid("exhibitbutton", 1));
        QCOMPARE(Exhibit.is_open(), opens);
        QVERIFY(click_aid("exhibitbutton", 2));
        QVERIFY(click_aid("exhibitbutton", 1));
        QVERIFY(Exhibit.get()->isVisible());
        QCOMPARE(exhibit_shown(), opens ? shown : QStringLiteral("good\n"));
        QVERIFY(quest.get()->isVisible());
    }

    // Read whole, a file of any size could fill the memory; the click says why nothing opens.
    void exhibit_larger_than_16_mib_is_refused_at_the_click()
    {
        QFile large(in_dir("huge.txt"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(max_exhibit_size + 1));
        large.close();
        QVERIFY(start_quiz({{"", {}, {in_dir("huge.txt"), "", ""}}}));
        ModalWatcher watcher;
        QVERIFY(click_aid("exhibitbutton", 1) && watcher.seen().size() == 1);
        QCOMPARE(watcher.seen().front().text,
                 QStringLiteral("The exhibit huge.txt is larger than 16 MiB and is not shown."));
    }

    // The click shows the start of a large exhibit; the event loop fills in the rest, unless a
    // new exhibit replaces it first.
    void large_exhibit_fills_from_the_event_loop_and_a_new_one_replaces_it()
    {
        const QByteArray line = "interface GigabitEthernet0/1 ip address 192.0.2.1\r\n";
        const qsizetype lines = 2 * 1024 * 1024 / line.size();
        QVERIFY(write_file(in_dir("large.txt"), line.repeated(lines)));
        QVERIFY(write_file(in_dir("small.txt"), "small"));
        QVERIFY(start_quiz({{"", {}, {in_dir("large.txt"), in_dir("small.txt"), ""}}}));
        QVERIFY(click_aid("exhibitbutton", 1));
        auto* text = Exhibit.get()->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(text->blockCount() < lines);
        QTRY_COMPARE_WITH_TIMEOUT(text->blockCount(), lines + 1, 30000);
        QVERIFY(click_aid("exhibitbutton", 1) && click_aid("exhibitbutton", 2));
        QTest::qWait(50);
        QCOMPARE(exhibit_shown(), QStringLiteral("small\n"));
    }

private:
    QString in_dir(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QString start_dir_;
};

QTEST_MAIN(TestViewers)
#include "test_viewers.moc"
