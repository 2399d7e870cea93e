#pragma once

#include <QPixmap>
#include <QWidget>

// An image box: its picture is stretched to fill the box. A built-in picture may come with a
// double-size twin ("band@2x.png" beside "band.png") that is drawn on high-density screens, so
// the picture is scaled once, from the larger source, straight to the screen's pixels.
class StretchedImage : public QWidget {
    Q_OBJECT
public:
    explicit StretchedImage(QWidget* parent = nullptr);

    // A picture with no twin, such as a diagram read from a file.
    void set_picture(const QPixmap& picture);
    // The picture at the path, or its "@2x" twin when there is one and the screen wants it; read
    // when first drawn, so that only the one the screen needs is ever decoded.
    void load_picture(const QString& path);
    // The picture drawn at the box's current device pixel ratio.
    const QPixmap& picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
    mutable QPixmap picture_;
    mutable QPixmap double_size_;
};
