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
    path_.clear();
    picture_ = picture;
    double_size_ = QPixmap();
    update();
}

void StretchedImage::load_picture(const QString& path)
{
    path_ = path;
    picture_ = QPixmap();
    double_size_ = QPixmap();
    update();
}

const QPixmap& StretchedImage::picture() const
{
    if (path_.isEmpty())
        return picture_;
    // Qt's pixmap loader does not look for the twin by itself.
    if (devicePixelRatioF() > 1.0) {
        if (double_size_.isNull())
            double_size_ = QPixmap(double_size_path(path_));
        if (!double_size_.isNull())
            return double_size_;
    }
    if (picture_.isNull())
        picture_ = QPixmap(path_);
    return picture_;
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
