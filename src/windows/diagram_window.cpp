#include "windows/diagram_window.h"

#include "bank/side_file.h"
#include "screens/designs.h"
#include "screens/stretched_image.h"
#include "screens/window_builder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>

FormRef<DiagramWindow> Diagram{FormSlot::Role::Viewer};

namespace {

struct Picture {
    QImage image;
    QString description;
};

// For a file that holds several images, such as an icon, the largest of them, with the text
// alternative the file carries: PNG's Description text or a JPEG's comment. The file is opened
// here so that the path is used as it is: a reader given a name tries other extensions too.
Picture read_picture(const QString& path)
{
    QFile file(on_disk(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file);
    Picture picture;
    // The frames of an animation share one size; decoding them all would only cost time.
    if (reader.supportsAnimation()) {
        picture.image = reader.read();
    } else {
        do {
            const QImage image = reader.read();
            if (image.isNull())
                break;
            if (picture.image.isNull() ||
                image.width() * image.height() > picture.image.width() * picture.image.height())
                picture.image = image;
        } while (reader.jumpToNextImage());
    }
    // The decoded image holds the text found after the image data as well as before it.
    picture.description = picture.image.text(QStringLiteral("Description")).trimmed();
    return picture;
}

} // namespace

DiagramWindow::DiagramWindow()
    : Form(diagram_design), Image1(control<StretchedImage>(*this, "Image1"))
{
    on_click(control<QPushButton>(*this, "Command1"), [this] { Command1_Click(); });
    close_on_escape();
}

void DiagramWindow::set_picture_file(const QString& path)
{
    // A picture the loader cannot read leaves the window empty. Screen readers read out the
    // picture's own text alternative, or else at least which file it is.
    const Picture picture = read_picture(path);
    Image1->set_picture(QPixmap::fromImage(picture.image));
    Image1->setAccessibleDescription(picture.description.isEmpty() ? QFileInfo(path).fileName()
                                                                   : picture.description);
}

void DiagramWindow::Command1_Click()
{
    Diagram.hide();
}

void show_diagram(const QString& path, const QString& title)
{
    const std::optional<QString> file = side_file_to_open(path);
    if (!file)
        return;
    DiagramWindow* window = Diagram.show();
    window->setWindowTitle(title.isEmpty() ? QString::fromUtf8(diagram_design.title) : title);
    window->set_picture_file(*file);
    window->repaint();
}
