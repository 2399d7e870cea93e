#include "windows/diagram_window.h"

#include "screens/designs.h"
#include "screens/stretched_image.h"
#include "screens/window_builder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>

FormRef<DiagramWindow> Diagram{FormSlot::Role::Viewer};

namespace {

// For a file that holds several images, such as an icon, the largest of them. The file is opened
// here so that the path is used as it is: a reader given a name tries other extensions too.
QImage read_largest_image(const QString& path)
{
    QFile file(on_disk(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file);
    // The frames of an animation share one size; decoding them all would only cost time.
    if (reader.supportsAnimation())
        return reader.read();
    QImage largest;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        if (largest.isNull() || image.width() * image.height() > largest.width() * largest.height())
            largest = image;
    } while (reader.jumpToNextImage());
    return largest;
}

} // namespace

DiagramWindow::DiagramWindow()
    : Form(diagram_design), Image1(control<StretchedImage>(*this, "Image1"))
{
    on_click(control<QPushButton>(*this, "Command1"), [this] { Command1_Click(); });
}

void DiagramWindow::set_picture_file(const QString& path)
{
    // A picture the loader cannot read leaves the window empty.
    Image1->set_picture(QPixmap::fromImage(read_largest_image(path)));
    Image1->setAccessibleDescription(QFileInfo(path).fileName());
}

void DiagramWindow::Command1_Click()
{
    Diagram.hide();
}

QString on_disk(const QString& path)
{
    return path.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + path : path;
}

bool side_file_exists(const QString& path)
{
    const QFileInfo info(on_disk(path));
    return !path.isEmpty() && info.isFile() && !info.isHidden();
}

void show_diagram(const QString& path)
{
    if (!side_file_exists(path))
        return;
    DiagramWindow* window = Diagram.show();
    window->set_picture_file(path);
    window->repaint();
}
