#include "screens/stretched_image.h"

#include <QFileInfo>
#include <QPainter>

namespace {

// "name@2x.ext" for "name.ext".
QString double_size_path(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty())
        return path + QLatin1String("@2x");
    return path.left(path.size() - suffix.size() - 1) + QLatin1String("@2x.") + suffix;
}

} // namespace

StretchedImage::StretchedImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StretchedImage::set_picture(const QPixmap& picture)
{
    picture_ = picture;
    double_size_ = QPixmap();
    update();
}

void StretchedImage::load_picture(const QString& path)
{
    // Qt's pixmap loader does not look for the twin by itself.
    picture_ = QPixmap(path);
    double_size_ = QPixmap(double_size_path(path));
    update();
}

const QPixmap& StretchedImage::picture() const
{
    return devicePixelRatioF() > 1.0 && !double_size_.isNull() ? double_size_ : picture_;
}

void StretchedImage::paintEvent(QPaintEvent* /*event*/)
{
    const QPixmap& shown = picture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The whole source goes to the box's rectangle, whatever the pixmap's own pixel ratio.
    painter.drawPixmap(QRectF(rect()), shown, QRectF(QPointF(0, 0), QSizeF(shown.size())));
}
