// Draws the network diagrams of a question bank from their descriptions, one PNG each:
//   draw_diagrams DESCRIPTIONS.json OUTPUT_FOLDER
// A description gives the picture's file name and size, devices (name, kind, centre), links
// between them (ethernet or serial, with labels at either end and in the middle), dashed areas
// and free notes.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

namespace {

const QColor ink(40, 44, 52);
const QColor router_blue(52, 101, 164);
const QColor switch_teal(32, 128, 120);
const QColor serial_red(170, 60, 40);

QFont label_font(bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

// Text on a white patch, centred at the point, so lines under it do not hide it.
void draw_label(QPainter& painter, QPointF centre, const QString& text, bool bold = false)
{
    if (text.isEmpty())
        return;
    painter.setFont(label_font(bold));
    QRectF box = painter.fontMetrics().boundingRect(text);
    box.adjust(-3, -1, 3, 1);
    box.moveCenter(centre);
    painter.fillRect(box, Qt::white);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

void draw_device(QPainter& painter, const QJsonObject& device)
{
    const QPointF c(device[QLatin1String("x")].toDouble(), device[QLatin1String("y")].toDouble());
    const QString kind = device[QLatin1String("kind")].toString();
    painter.setPen(QPen(ink, 1.5));
    if (kind == QLatin1String("router")) {
        painter.setBrush(router_blue);
        painter.drawEllipse(c, 26, 18);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(c + QPointF(-12, -6), c + QPointF(12, 6));
        painter.drawLine(c + QPointF(-12, 6), c + QPointF(12, -6));
    } else if (kind == QLatin1String("switch")) {
        painter.setBrush(switch_teal);
        painter.drawRoundedRect(QRectF(c.x() - 28, c.y() - 14, 56, 28), 4, 4);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(c + QPointF(-16, -5), c + QPointF(16, -5));
        painter.drawLine(c + QPointF(-16, 5), c + QPointF(16, 5));
    } else if (kind == QLatin1String("host")) {
        painter.setBrush(QColor(230, 234, 240));
        painter.drawRect(QRectF(c.x() - 20, c.y() - 17, 40, 26));
        painter.drawRect(QRectF(c.x() - 12, c.y() + 11, 24, 5));
    } else if (kind == QLatin1String("server")) {
        painter.setBrush(QColor(230, 234, 240));
        painter.drawRect(QRectF(c.x() - 15, c.y() - 22, 30, 44));
        for (const double y : {-12.0, -2.0, 8.0})
            painter.drawLine(c + QPointF(-9, y), c + QPointF(9, y));
    } else {
        QPainterPath cloud;
        for (const auto& [dx, dy, r] : {std::tuple{-22.0, 4.0, 16.0},
                                        {0.0, -8.0, 20.0},
                                        {22.0, 4.0, 16.0},
                                        {0.0, 10.0, 16.0}})
            cloud.addEllipse(c + QPointF(dx, dy), r * 1.2, r);
        painter.setBrush(QColor(236, 240, 248));
        painter.drawPath(cloud.simplified());
    }
    const double below = kind == QLatin1String("server") ? 36 : 32;
    draw_label(painter, c + QPointF(0, below), device[QLatin1String("name")].toString(), true);
}

void draw_link(QPainter& painter, QPointF from, QPointF to, const QJsonObject& link)
{
    const bool serial = link[QLatin1String("kind")].toString() == QLatin1String("serial");
    painter.setPen(QPen(serial ? serial_red : ink, 2));
    const QLineF line(from, to);
    if (!serial) {
        painter.drawLine(line);
    } else {
        // A serial link is drawn with a lightning step in its middle.
        const QPointF middle = line.center();
        const QLineF normal = line.normalVector().unitVector();
        const QPointF side(normal.dx() * 8, normal.dy() * 8);
        const QPointF along = (to - from) / std::max(line.length(), 1.0) * 6;
        painter.drawPolyline(QPolygonF{from, middle - along + side, middle + along - side, to});
    }
    // End labels sit a little way along the link, beside it.
    const QLineF normal = line.normalVector().unitVector();
    const QPointF beside(normal.dx() * 14, normal.dy() * 14);
    const double near_end = std::min(0.35, 62.0 / std::max(line.length(), 1.0));
    draw_label(painter, line.pointAt(near_end) + beside,
               link[QLatin1String("from_label")].toString());
    draw_label(painter, line.pointAt(1 - near_end) + beside,
               link[QLatin1String("to_label")].toString());
    draw_label(painter, line.center() - beside, link[QLatin1String("label")].toString());
}

QImage draw(const QJsonObject& diagram)
{
    QImage image(diagram[QLatin1String("width")].toInt(), diagram[QLatin1String("height")].toInt(),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QJsonValue value : diagram[QLatin1String("areas")].toArray()) {
        const QJsonObject area = value.toObject();
        const QRectF box(area[QLatin1String("x")].toDouble(), area[QLatin1String("y")].toDouble(),
                         area[QLatin1String("w")].toDouble(), area[QLatin1String("h")].toDouble());
        painter.setPen(QPen(QColor(120, 130, 150), 1.5, Qt::DashLine));
        painter.setBrush(QColor(246, 248, 252));
        painter.drawRoundedRect(box, 10, 10);
        painter.setFont(label_font(true));
        painter.setPen(ink);
        painter.drawText(box.adjusted(10, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         area[QLatin1String("label")].toString());
    }
    std::map<QString, QPointF> centres;
    for (const QJsonValue value : diagram[QLatin1String("devices")].toArray()) {
        const QJsonObject device = value.toObject();
        centres[device[QLatin1String("name")].toString()] =
            QPointF(device[QLatin1String("x")].toDouble(), device[QLatin1String("y")].toDouble());
    }
    for (const QJsonValue value : diagram[QLatin1String("links")].toArray()) {
        const QJsonObject link = value.toObject();
        draw_link(painter, centres.at(link[QLatin1String("from")].toString()),
                  centres.at(link[QLatin1String("to")].toString()), link);
    }
    for (const QJsonValue device : diagram[QLatin1String("devices")].toArray())
        draw_device(painter, device.toObject());
    for (const QJsonValue value : diagram[QLatin1String("notes")].toArray()) {
        const QJsonObject note = value.toObject();
        draw_label(
            painter,
            QPointF(note[QLatin1String("x")].toDouble(), note[QLatin1String("y")].toDouble()),
            note[QLatin1String("text")].toString());
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_diagrams DESCRIPTIONS.json OUTPUT_FOLDER\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (const QJsonValue value : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject diagram = value.toObject();
        const QString name = diagram[QLatin1String("file")].toString();
        if (!draw(diagram).save(folder.filePath(name), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
