#include "bank/question_bank.h"
#include "quiz/diagram_window.h"
#include "quiz/exhibit_window.h"
#include "quiz/quest_window.h"
#include "quiz/quiz_state.h"
#include "screens/stretched_image.h"
#include "shell/pick_a_quiz_window.h"
#include "shell/program.h"
#include "shell/welcome_window.h"
#include "support/modal_watcher.h"
#include "support/test_app.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QtEndian>

#include <unistd.h>

#include <array>
#include <ctime>
#include <optional>

namespace {

// Quiz 1 in bank order: position p shows record (p - 1) * 4 + 1.
QuestionRecord& record_at(int position)
{
    return bank.record((position - 1) * 4 + 1);
}

struct Aids {
    QString clue;
    std::array<QString, 3> diagrams;
    std::array<QString, 3> exhibits;
};

void give_aids(int position, const Aids& aids)
{
    QuestionRecord& record = record_at(position);
    record.clue = aids.clue;
    for (std::size_t i = 0; i < 3; ++i) {
        record.diagram_file[i + 1] = aids.diagrams[i];
        record.exhibit_file[i + 1] = aids.exhibits[i];
    }
}

QPushButton* button_of(QWidget* window, const QString& name)
{
    return window->findChild<QPushButton*>(name);
}

QPushButton* quest_button(const QString& name)
{
    return button_of(quest.get(), name);
}

QPushButton* quest_button(const char* name, int index)
{
    return quest_button(QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index));
}

bool click(QPushButton* button)
{
    if (!button || !button->isVisible())
        return false;
    run_in_event_loop([button] { button->click(); });
    return true;
}

// Starts quiz 1 in bank order with no shuffles; the aids are written into the bank after the
// welcome window has loaded it, as a bank that carries them would fill them.
bool start_quiz(const std::vector<Aids>& aids_by_position, bool feedback_when_wrong = false)
{
    run_in_event_loop(start_program);
    for (std::size_t i = 0; i < aids_by_position.size(); ++i)
        give_aids(static_cast<int>(i) + 1, aids_by_position[i]);
    if (!click(button_of(Welcome.get(), QStringLiteral("Start_Quiz"))))
        return false;
    QWidget* options = pick_a_quiz.get();
    const auto tick = [options](const char* name, bool ticked) {
        options->findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(ticked);
    };
    tick("random_questions", false);
    tick("random_answers", false);
    tick("answer_when_wrong", feedback_when_wrong);
    return click(button_of(options, QStringLiteral("Command1"))) && quest.get() &&
           quest.get()->isVisible() && quiz_state.current_question == 1;
}

bool write_picture(const QString& path, QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "PNG");
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

QPlainTextEdit* exhibit_text_box()
{
    return Exhibit.get()->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
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

bool running_as_root()
{
    return ::geteuid() == 0;
}

// A regular file that even root cannot open for reading.
const QString write_only_file = QStringLiteral("/proc/sys/vm/drop_caches");

} // namespace

class TestViewers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buttons_follow_their_fields_data();
    void buttons_follow_their_fields();
    void buttons_are_set_per_question();
    void clue_box_shows_the_clue_as_stored_data();
    void clue_box_shows_the_clue_as_stored();

    void second_exhibit_replaces_the_first_and_centres_again();
    void second_diagram_replaces_the_first();
    void closed_viewers_reload_on_the_next_click();
    void icon_shows_its_largest_image();
    void exhibit_text_passes_the_focus_to_close();
    void exhibit_text_shows_no_caret();

    void next_closes_the_viewers_before_grading();
    void quitting_keeps_the_viewers_and_the_welcome_close_closes_them();
    void an_open_viewer_outlives_the_question_window();

    void unusable_diagrams_data();
    void unusable_diagrams();
    void diagram_path_with_wildcards_is_used_literally();
    void unusable_exhibits_data();
    void unusable_exhibits();
    void exhibit_without_permission_shows_nothing();
    void exhibit_that_vanished_after_the_test_is_not_read();
    void exhibit_that_is_not_utf8_reads_as_windows_1252();
    void empty_exhibit_opens_an_empty_window();
    void large_exhibit_opens_quickly();
    void a_new_exhibit_replaces_one_still_filling();
    void paths_are_used_literally_data();
    void paths_are_used_literally();

private:
    QString in_dir(const QString& name) const { return dir_.filePath(name); }
    static bool open_exhibit(int index) { return click(quest_button("exhibitbutton", index)); }

    QTemporaryDir dir_;
    QString start_dir_;
};

void TestViewers::initTestCase()
{
    prepare_test_app();
    QVERIFY(dir_.isValid());
    start_dir_ = QDir::currentPath();
}

void TestViewers::init()
{
    // Relative paths in the records resolve against the working directory.
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void TestViewers::cleanup()
{
    tear_down_windows();
    QDir::setCurrent(start_dir_);
}

void TestViewers::buttons_follow_their_fields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("shown");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("spaces only") << QStringLiteral("    ") << false;
    QTest::newRow("leading space") << QStringLiteral(" x.txt") << true;
    QTest::newRow("trailing space") << QStringLiteral("x.txt ") << true;
    QTest::newRow("a tab is not a space") << QStringLiteral("\t") << true;
    QTest::newRow("plain") << QStringLiteral("x.txt") << true;
}

void TestViewers::buttons_follow_their_fields()
{
    QFETCH(QString, field);
    QFETCH(bool, shown);
    QVERIFY(start_quiz({{field, {field, field, field}, {field, field, field}}}));
    QCOMPARE(quest_button(QStringLiteral("cluebutton"))->isVisible(), shown);
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(quest_button("diagrambutton", i)->isVisible(), shown);
        QCOMPARE(quest_button("exhibitbutton", i)->isVisible(), shown);
    }
}

void TestViewers::buttons_are_set_per_question()
{
    const QString some = QStringLiteral("a");
    QVERIFY(start_quiz(
        {{some, {"", some, ""}, {"", "", some}}, {"", {some, "", ""}, {some, some, ""}}}));
    const auto shown = [] {
        QString seen = quest_button(QStringLiteral("cluebutton"))->isVisible() ? "c" : "-";
        for (int i = 1; i <= 3; ++i)
            seen += quest_button("diagrambutton", i)->isVisible() ? "d" : "-";
        for (int i = 1; i <= 3; ++i)
            seen += quest_button("exhibitbutton", i)->isVisible() ? "e" : "-";
        return seen;
    };
    QCOMPARE(shown(), QStringLiteral("c-d---e"));
    QVERIFY(click(quest_button(QStringLiteral("NextButton"))));
    QCOMPARE(shown(), QStringLiteral("-d--ee-"));
    // The built-in content carries no aids.
    QVERIFY(click(quest_button(QStringLiteral("NextButton"))));
    QCOMPARE(shown(), QStringLiteral("-------"));
}

void TestViewers::clue_box_shows_the_clue_as_stored_data()
{
    QTest::addColumn<QString>("clue");
    QTest::addColumn<QString>("shown");
    QTest::newRow("spaces kept") << "  Think of the mask  "
                                 << "  Think of the mask  ";
    QTest::newRow("line feed") << "First line\nsecond line"
                               << "First line\nsecond line";
    QTest::newRow("CR LF starts one new line") << "one\r\ntwo\rthree"
                                               << "one\ntwo\nthree";
    QTest::newRow("markup is text") << "<b>not bold</b> & more"
                                    << "<b>not bold</b> & more";
}

void TestViewers::clue_box_shows_the_clue_as_stored()
{
    QFETCH(QString, clue);
    QFETCH(QString, shown);
    QVERIFY(start_quiz({{clue, {}, {}}}));
    Qt::TextFormat format = Qt::AutoText;
    ModalWatcher watcher([&format](QWidget& modal) {
        if (auto* box = qobject_cast<QMessageBox*>(&modal))
            format = box->textFormat();
        ModalWatcher::press_default_button(modal);
    });
    QVERIFY(click(quest_button(QStringLiteral("cluebutton"))));
    QVERIFY(!watcher.stuck());
    QCOMPARE(watcher.seen().size(), std::size_t(1));
    const ModalWatcher::Seen& box = watcher.seen().front();
    QCOMPARE(box.title, QStringLiteral("Clue"));
    QCOMPARE(box.text, shown);
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(!box.has_icon);
    QCOMPARE(box.buttons, 1);
    // Closing it changes nothing else.
    QCOMPARE(quiz_state.current_question, std::int16_t(1));
    QVERIFY(quest.get()->isVisible());
    QVERIFY(!Diagram.is_open() && !Exhibit.is_open());
}

void TestViewers::second_exhibit_replaces_the_first_and_centres_again()
{
    QVERIFY(write_file(in_dir("one.txt"), "first\r\nexhibit"));
    QVERIFY(write_file(in_dir("two.txt"), "second\r\n"));
    QVERIFY(start_quiz({{"", {}, {in_dir("one.txt"), in_dir("two.txt"), ""}}}));

    QVERIFY(open_exhibit(1));
    QPointer<ExhibitWindow> window = Exhibit.get();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Exhibit"));
    QCOMPARE(exhibit_text_box()->toPlainText(), QStringLiteral("first\nexhibit\n"));
    QVERIFY(off_centre(*window) <= 1);
    // The question window stays usable beside it.
    QVERIFY(!window->isModal());
    QVERIFY(quest.get()->isEnabled());

    window->move(3, 5);
    QVERIFY(off_centre(*window) > 50);
    QVERIFY(open_exhibit(2));
    QCOMPARE(Exhibit.get(), window.data());
    QCOMPARE(exhibit_text_box()->toPlainText(), QStringLiteral("second\n"));
    QVERIFY(off_centre(*window) <= 1);
}

void TestViewers::second_diagram_replaces_the_first()
{
    QVERIFY(write_picture(in_dir("red.png"), {40, 30}, Qt::red));
    QVERIFY(write_picture(in_dir("blue.png"), {20, 60}, Qt::blue));
    QVERIFY(start_quiz({{"", {in_dir("red.png"), in_dir("blue.png"), ""}, {}}}));

    QVERIFY(click(quest_button("diagrambutton", 1)));
    QPointer<DiagramWindow> window = Diagram.get();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Diagram"));
    QCOMPARE(diagram_picture().size(), QSize(40, 30));
    QCOMPARE(shown_in_diagram({2, 2}), QColor(Qt::red));

    QVERIFY(click(quest_button("diagrambutton", 2)));
    QCOMPARE(Diagram.get(), window.data());
    QCOMPARE(diagram_picture().size(), QSize(20, 60));
    // Stretched over the whole box, corner to corner.
    const QSize box = window->findChild<StretchedImage*>()->size();
    QCOMPARE(shown_in_diagram({1, 1}), QColor(Qt::blue));
    QCOMPARE(shown_in_diagram({box.width() - 2, box.height() - 2}), QColor(Qt::blue));
}

void TestViewers::closed_viewers_reload_on_the_next_click()
{
    QVERIFY(write_picture(in_dir("picture.png"), {10, 10}, Qt::red));
    QVERIFY(write_file(in_dir("text.txt"), "before"));
    QVERIFY(start_quiz({{"", {in_dir("picture.png"), "", ""}, {in_dir("text.txt"), "", ""}}}));

    QVERIFY(click(quest_button("diagrambutton", 1)));
    QVERIFY(open_exhibit(1));
    QVERIFY(click(button_of(Diagram.get(), QStringLiteral("Command1"))));
    QVERIFY(click(button_of(Exhibit.get(), QStringLiteral("Command1"))));
    // "Close" only hides: the windows stay loaded with their content.
    QVERIFY(Diagram.is_open() && !Diagram.get()->isVisible());
    QVERIFY(Exhibit.is_open() && !Exhibit.get()->isVisible());
    QVERIFY(!diagram_picture().isNull());
    QVERIFY(!program_ended());

    QVERIFY(write_picture(in_dir("picture.png"), {10, 10}, Qt::green));
    QVERIFY(write_file(in_dir("text.txt"), "after"));
    QVERIFY(click(quest_button("diagrambutton", 1)));
    QVERIFY(open_exhibit(1));
    QVERIFY(Diagram.get()->isVisible() && Exhibit.get()->isVisible());
    QCOMPARE(shown_in_diagram({2, 2}), QColor(Qt::green));
    QCOMPARE(exhibit_text_box()->toPlainText(), QStringLiteral("after\n"));
}

void TestViewers::icon_shows_its_largest_image()
{
    QVERIFY(QImageWriter::supportedImageFormats().contains("ico"));
    // The largest image is neither the first nor the last.
    const QByteArray icon = icon_file(
        {filled({16, 16}, Qt::red), filled({48, 48}, Qt::green), filled({32, 32}, Qt::blue)});
    QVERIFY(!icon.isEmpty());
    QVERIFY(write_file(in_dir("sizes.ico"), icon));
    QVERIFY(start_quiz({{"", {in_dir("sizes.ico"), "", ""}, {}}}));
    QVERIFY(click(quest_button("diagrambutton", 1)));
    QCOMPARE(diagram_picture().size(), QSize(48, 48));
    QCOMPARE(shown_in_diagram({2, 2}), QColor(Qt::green));
}

void TestViewers::exhibit_text_passes_the_focus_to_close()
{
    QVERIFY(write_file(in_dir("focus.txt"), "    text"));
    QVERIFY(start_quiz({{"", {}, {in_dir("focus.txt"), "", ""}}}));
    QVERIFY(open_exhibit(1));
    ExhibitWindow* window = Exhibit.get();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QPushButton* close = button_of(window, QStringLiteral("Command1"));
    QCOMPARE(QApplication::focusWidget(), close);

    close->clearFocus();
    exhibit_text_box()->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), close);
    close->clearFocus();
    QTest::mouseClick(exhibit_text_box()->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), close);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
    QCOMPARE(exhibit_text_box()->toPlainText(), QStringLiteral("    text\n"));
}

void TestViewers::exhibit_text_shows_no_caret()
{
    // A steady caret, so that one look tells whether the text box draws it.
    const int flash_time = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    const auto restore =
        qScopeGuard([flash_time] { QApplication::setCursorFlashTime(flash_time); });
    QVERIFY(write_file(in_dir("caret.txt"), "    indented"));
    QVERIFY(start_quiz({{"", {}, {in_dir("caret.txt"), "", ""}}}));
    QVERIFY(open_exhibit(1));
    ExhibitWindow* window = Exhibit.get();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QPlainTextEdit* text = exhibit_text_box();
    text->setFocus(Qt::MouseFocusReason);
    settle();
    const QRect caret = text->cursorRect();
    const QImage shown = text->viewport()->grab().toImage();
    const QColor base = text->palette().color(QPalette::Base);
    for (int y = caret.top() + 1; y < caret.bottom(); ++y)
        QCOMPARE(shown.pixelColor(caret.center().x(), y), base);
}

void TestViewers::next_closes_the_viewers_before_grading()
{
    QVERIFY(write_picture(in_dir("next.png"), {10, 10}, Qt::red));
    QVERIFY(write_file(in_dir("next.txt"), "text"));
    QVERIFY(start_quiz({{"", {in_dir("next.png"), "", ""}, {in_dir("next.txt"), "", ""}}}, true));
    QVERIFY(click(quest_button("diagrambutton", 1)));
    QVERIFY(open_exhibit(1));
    QVERIFY(Diagram.get()->isVisible() && Exhibit.get()->isVisible());

    // No answer pressed is a wrong reply: the feedback window shows while NEXT grades it.
    std::optional<bool> viewers_open_at_grading;
    ModalWatcher watcher([&](QWidget& modal) {
        viewers_open_at_grading = Diagram.is_open() || Exhibit.is_open();
        ModalWatcher::press_default_button(modal);
    });
    QVERIFY(click(quest_button(QStringLiteral("NextButton"))));
    QVERIFY(!watcher.stuck());
    QCOMPARE(watcher.seen().size(), std::size_t(1));
    QCOMPARE(viewers_open_at_grading, std::optional<bool>(false));
    QVERIFY(!Diagram.is_open() && !Exhibit.is_open());
    QCOMPARE(quiz_state.current_question, std::int16_t(2));
    QVERIFY(!program_ended());
}

void TestViewers::quitting_keeps_the_viewers_and_the_welcome_close_closes_them()
{
    QVERIFY(write_picture(in_dir("quit.png"), {10, 10}, Qt::red));
    QVERIFY(write_file(in_dir("quit.txt"), "text"));
    QVERIFY(start_quiz({{"", {in_dir("quit.png"), "", ""}, {in_dir("quit.txt"), "", ""}}}));
    QVERIFY(click(quest_button("diagrambutton", 1)));
    QVERIFY(open_exhibit(1));

    ModalWatcher watcher;
    QVERIFY(click(quest_button(QStringLiteral("quitquiz"))));
    QVERIFY(!watcher.stuck());
    QCOMPARE(watcher.seen().size(), std::size_t(1));
    QCOMPARE(watcher.seen().front().title, QStringLiteral("Test Complete!"));
    QVERIFY(Welcome.get() && Welcome.get()->isVisible());
    QVERIFY(!quest.is_open());
    QVERIFY(Diagram.get() && Diagram.get()->isVisible());
    QVERIFY(Exhibit.get() && Exhibit.get()->isVisible());

    run_in_event_loop([] { Welcome.get()->close(); });
    QVERIFY(!Welcome.is_open());
    QVERIFY(!Diagram.is_open());
    QVERIFY(!Exhibit.is_open());
    QVERIFY(program_ended());
}

void TestViewers::an_open_viewer_outlives_the_question_window()
{
    QVERIFY(write_picture(in_dir("last.png"), {10, 10}, Qt::red));
    QVERIFY(start_quiz({{"", {in_dir("last.png"), "", ""}, {}}}));
    QVERIFY(click(quest_button("diagrambutton", 1)));
    run_in_event_loop([] { quest.get()->close(); });
    QVERIFY(!quest.is_open());
    QVERIFY(Diagram.get() && Diagram.get()->isVisible());
    QVERIFY(!program_ended());
    // Its "Close" hides it, and nothing visible is left to end the program from.
    QVERIFY(click(button_of(Diagram.get(), QStringLiteral("Command1"))));
    QVERIFY(program_ended());
}

void TestViewers::unusable_diagrams_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("opens");
    QDir(dir_.path()).mkpath(QStringLiteral("folder.png"));
    QVERIFY(write_picture(in_dir(".hidden.png"), {10, 10}, Qt::green));
    QVERIFY(write_file(in_dir("garbage.png"), QByteArray(4096, '\x5A')));
    QVERIFY(write_picture(in_dir("whole.png"), {64, 64}, Qt::green));
    QFile whole(in_dir("whole.png"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QVERIFY(write_file(in_dir("truncated.png"), whole.read(60)));
    QVERIFY(write_file(in_dir("empty.png"), {}));
    // A name that cannot be opened beside one that could be found by adding an extension.
    QFile::link(write_only_file, in_dir("locked"));
    QVERIFY(write_picture(in_dir("locked.png"), {10, 10}, Qt::green));

    QTest::newRow("missing") << in_dir("none.png") << false;
    QTest::newRow("folder") << in_dir("folder.png") << false;
    QTest::newRow("hidden file") << in_dir(".hidden.png") << false;
    QTest::newRow("not a picture") << in_dir("garbage.png") << true;
    QTest::newRow("truncated picture") << in_dir("truncated.png") << true;
    QTest::newRow("empty file") << in_dir("empty.png") << true;
    QTest::newRow("cannot be opened") << in_dir("locked") << true;
    // Relative to the working directory, where only the trimmed or matching names exist.
    QVERIFY(write_picture(in_dir("only.png"), {10, 10}, Qt::green));
    QTest::newRow("leading spaces not trimmed") << QStringLiteral("  only.png") << false;
    QTest::newRow("wildcards match nothing") << QStringLiteral("o*.png") << false;
}

void TestViewers::unusable_diagrams()
{
    QFETCH(QString, path);
    QFETCH(bool, opens);
    if (path.endsWith(QLatin1String("locked")) && !QFileInfo(path).isFile())
        QSKIP("this system has no write-only file to link to");
    QVERIFY(write_picture(in_dir("good.png"), {10, 10}, Qt::red));
    QVERIFY(start_quiz({{"", {path, in_dir("good.png"), ""}, {}}}));

    QVERIFY(click(quest_button("diagrambutton", 1)));
    QCOMPARE(Diagram.is_open(), opens);
    if (opens) {
        QVERIFY(Diagram.get()->isVisible());
        QVERIFY(diagram_picture().isNull());
    }
    // A good diagram shown first is replaced by the empty window, not kept.
    QVERIFY(click(quest_button("diagrambutton", 2)));
    QVERIFY(!diagram_picture().isNull());
    QVERIFY(click(quest_button("diagrambutton", 1)));
    QVERIFY(Diagram.get()->isVisible());
    QCOMPARE(diagram_picture().isNull(), opens);
    QVERIFY(quest.get()->isVisible());
}

void TestViewers::diagram_path_with_wildcards_is_used_literally()
{
    QVERIFY(write_picture(in_dir("[d]*?.png"), {10, 10}, Qt::green));
    QVERIFY(write_picture(in_dir("d.png"), {10, 10}, Qt::red));
    QVERIFY(start_quiz({{"", {QStringLiteral("[d]*?.png"), "", ""}, {}}}));
    QVERIFY(click(quest_button("diagrambutton", 1)));
    QCOMPARE(shown_in_diagram({2, 2}), QColor(Qt::green));
}

void TestViewers::unusable_exhibits_data()
{
    QTest::addColumn<QString>("path");
    QDir(dir_.path()).mkpath(QStringLiteral("folder.txt"));
    QVERIFY(write_file(in_dir(".hidden.txt"), "hidden"));
    QTest::newRow("missing") << in_dir("none.txt");
    QTest::newRow("folder") << in_dir("folder.txt");
    QTest::newRow("hidden file") << in_dir(".hidden.txt");
    // Found as an ordinary file, but no one may read it, not even root.
    if (QFileInfo(write_only_file).isFile())
        QTest::newRow("write-only file") << write_only_file;
    // Found and opened, but reading it fails at once.
    QTest::newRow("read error") << QStringLiteral("/proc/self/mem");
}

void TestViewers::unusable_exhibits()
{
    QFETCH(QString, path);
    QVERIFY(write_file(in_dir("good.txt"), "good"));
    QVERIFY(start_quiz({{"", {}, {path, in_dir("good.txt"), ""}}}));
    QVERIFY(open_exhibit(1));
    QVERIFY(!Exhibit.is_open());

    // Over a shown exhibit it changes nothing either.
    QVERIFY(open_exhibit(2));
    QVERIFY(open_exhibit(1));
    QVERIFY(Exhibit.get()->isVisible());
    QCOMPARE(exhibit_text_box()->toPlainText(), QStringLiteral("good\n"));
    QVERIFY(quest.get()->isVisible());
}

void TestViewers::exhibit_without_permission_shows_nothing()
{
    if (running_as_root())
        QSKIP("root reads every file whatever its permissions");
    QVERIFY(write_file(in_dir("secret.txt"), "secret"));
    QVERIFY(QFile::setPermissions(in_dir("secret.txt"), QFileDevice::Permissions()));
    QVERIFY(start_quiz({{"", {}, {in_dir("secret.txt"), "", ""}}}));
    QVERIFY(open_exhibit(1));
    QVERIFY(!Exhibit.is_open());
}

void TestViewers::exhibit_that_vanished_after_the_test_is_not_read()
{
    const QString gone = in_dir("gone.txt");
    QVERIFY(write_file(gone, "text"));
    QVERIFY(side_file_exists(gone));
    QVERIFY(QFile::remove(gone));
    QCOMPARE(read_exhibit(gone), std::nullopt);

    const QString replaced = in_dir("replaced.txt");
    QVERIFY(write_file(replaced, "text"));
    QVERIFY(side_file_exists(replaced));
    QVERIFY(QFile::remove(replaced));
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("replaced.txt")));
    QCOMPARE(read_exhibit(replaced), std::nullopt);
}

void TestViewers::exhibit_that_is_not_utf8_reads_as_windows_1252()
{
    QVERIFY(write_file(in_dir("western.txt"), "caf\xE9 \x80 5\r\n\x93quoted\x94"));
    QVERIFY(start_quiz({{"", {}, {in_dir("western.txt"), "", ""}}}));
    QVERIFY(open_exhibit(1));
    QCOMPARE(exhibit_text_box()->toPlainText(), QString::fromUtf8("café € 5\n“quoted”\n"));
}

void TestViewers::empty_exhibit_opens_an_empty_window()
{
    QVERIFY(write_file(in_dir("empty.txt"), {}));
    QVERIFY(write_file(in_dir("full.txt"), "full"));
    QVERIFY(start_quiz({{"", {}, {in_dir("full.txt"), in_dir("empty.txt"), ""}}}));
    QVERIFY(open_exhibit(1));
    QVERIFY(open_exhibit(2));
    QVERIFY(Exhibit.get()->isVisible());
    QCOMPARE(exhibit_text_box()->toPlainText(), QString());
}

void TestViewers::large_exhibit_opens_quickly()
{
    const QByteArray line = "interface GigabitEthernet0/1 ip address 192.0.2.1 255.255.255.0\r\n";
    const qsizetype lines = 20 * 1024 * 1024 / line.size();
    QVERIFY(write_file(in_dir("large.txt"), line.repeated(lines)));
    QVERIFY(start_quiz({{"", {}, {in_dir("large.txt"), "", ""}}}));

    // The bounds are on processor time, so that other work on the machine cannot fail the test;
    // the wall time is printed beside it.
    QElapsedTimer timer;
    timer.start();
    std::clock_t cpu_start = std::clock();
    QVERIFY(open_exhibit(1));
    const double click_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    const qint64 click_wall_ms = timer.elapsed();
    QPlainTextEdit* text = exhibit_text_box();
    QVERIFY(text->blockCount() > 1);
    QVERIFY(text->blockCount() < lines);

    // The rest arrives from the event loop, one part per turn.
    cpu_start = std::clock();
    QTRY_COMPARE_WITH_TIMEOUT(text->blockCount(), lines + 1, 30000);
    const double fill_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    qInfo("a %lld-byte exhibit of %lld lines opened in %lld ms (%.0f ms of processor time) and "
          "was filled in %.0f ms more",
          static_cast<long long>(line.size() * lines), static_cast<long long>(lines),
          static_cast<long long>(click_wall_ms), click_ms, fill_ms);
    QCOMPARE(text->document()->lastBlock().previous().text(), QString::fromLatin1(line.chopped(2)));
    QCOMPARE(text->toPlainText().size(), (line.size() - 1) * lines);
    QVERIFY2(click_ms < 500, "opening a 20 MB exhibit took half a second or more");
}

void TestViewers::a_new_exhibit_replaces_one_still_filling()
{
    const QByteArray line = "a line of a large exhibit\r\n";
    QVERIFY(write_file(in_dir("large.txt"), line.repeated(200000)));
    QVERIFY(write_file(in_dir("small.txt"), "small"));
    QVERIFY(start_quiz({{"", {}, {in_dir("large.txt"), in_dir("small.txt"), ""}}}));
    QVERIFY(open_exhibit(1));
    QVERIFY(open_exhibit(2));
    QTest::qWait(50);
    QCOMPARE(exhibit_text_box()->toPlainText(), QStringLiteral("small\n"));
}

void TestViewers::paths_are_used_literally_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown"); // empty: nothing opens
    const QString odd = QString::fromUtf8("odd\t$(x) `y`;|&\\'\"%s\nné€.txt");
    QVERIFY(write_file(in_dir("ex[1]*?.txt"), "wild"));
    QVERIFY(write_file(in_dir("ex1.txt"), "pattern match"));
    QVERIFY(write_file(in_dir("  lead.txt"), "with spaces"));
    QVERIFY(write_file(in_dir("lead.txt"), "trimmed"));
    QVERIFY(write_file(in_dir("trail.txt"), "trimmed"));
    QVERIFY(write_file(in_dir(odd), "odd"));
    QVERIFY(write_file(in_dir("~"), "tilde"));

    QTest::newRow("wildcards in the name") << "ex[1]*?.txt"
                                           << "wild\n";
    QTest::newRow("wildcards match nothing") << "ex*.txt"
                                             << "";
    QTest::newRow("leading spaces kept") << "  lead.txt"
                                         << "with spaces\n";
    QTest::newRow("trailing space kept") << "trail.txt "
                                         << "";
    QTest::newRow("odd characters") << odd << "odd\n";
    QTest::newRow("tilde not expanded") << "~"
                                        << "tilde\n";
    QTest::newRow("absolute with wildcards") << in_dir("ex[1]*?.txt") << "wild\n";
    QTest::newRow("embedded NUL") << QStringLiteral("lead.txt") + QChar(0) + QStringLiteral("x")
                                  << "";
}

void TestViewers::paths_are_used_literally()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QVERIFY(start_quiz({{"", {}, {field, "", ""}}}));
    QVERIFY(quest_button("exhibitbutton", 1)->isVisible());
    QVERIFY(open_exhibit(1));
    QCOMPARE(Exhibit.is_open(), !shown.isEmpty());
    if (Exhibit.is_open())
        QCOMPARE(exhibit_text_box()->toPlainText(), shown);
}

QTEST_MAIN(TestViewers)
#include "test_viewers.moc"
