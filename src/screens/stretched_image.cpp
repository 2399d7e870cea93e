#include "screens/stretched_image.h"

#include <QPainter>

StretchedImage::StretchedImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StretchedImage::set_picture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void StretchedImage::paintEvent(QPaintEvent* /*event*/)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}
