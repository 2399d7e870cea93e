// Draws the network diagrams of a question bank from their descriptions, one PNG each:
//   draw_diagrams DRAWINGS.json OUTPUT_FOLDER
// The file is a list of drawings. Each gives the picture's file name and size, a description
// that is written into the picture as its text alternative (the PNG "Description" text), devices
// (name, kind, centre), links between them (ethernet or serial, with labels at either end and in
// the middle, and failed when the drawing marks them so), dashed areas and free notes. Places are
// in picture pixels; symbols and lettering are sized for a picture drawn at twice the size it is
// seen at, so that labels of 24 pixels read 12 pixels high. A label or note may hold several
// lines. A file that breaks any of these rules draws nothing and is refused in one sentence.
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
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <tuple>
#include <vector>

namespace {

const QColor ink(40, 44, 52);
const QColor router_blue(52, 101, 164);
const QColor switch_teal(32, 128, 120);
const QColor serial_red(170, 60, 40);
const QColor failed_red(210, 30, 30);
constexpr int label_pixels = 24;

struct Device {
    QString name;
    QString kind;
    QPointF centre;
};

struct Link {
    QString from, to, kind, from_label, to_label, label;
    bool failed = false;
};

struct Area {
    QRectF box;
    QString label;
};

struct Note {
    QPointF at;
    QString text;
};

struct Drawing {
    QString file;
    QSize size;
    QString description;
    std::vector<Device> devices;
    std::vector<Link> links;
    std::vector<Area> areas;
    std::vector<Note> notes;
};

// Why the file cannot be used: the end of the sentence that names the file.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason)
{
    throw Refusal{reason};
}

// Reads one JSON object's fields, refusing unknown ones, missing required ones and wrong types;
// `where` names the object in every refusal.
class Fields {
public:
    Fields(const QJsonValue& value, QString where, std::initializer_list<const char*> required,
           std::initializer_list<const char*> optional = {})
        : where_(std::move(where))
    {
        if (!value.isObject())
            refuse(QStringLiteral("%1 is not an object").arg(where_));
        object_ = value.toObject();
        for (const QString& key : object_.keys()) {
            const auto named = [&key](const char* field) { return key == QLatin1String(field); };
            if (std::none_of(required.begin(), required.end(), named) &&
                std::none_of(optional.begin(), optional.end(), named))
                refuse(QStringLiteral("%1 has an unknown field \"%2\"").arg(where_, key));
        }
        for (const char* field : required) {
            if (!object_.contains(QLatin1String(field)))
                refuse(QStringLiteral("%1 has no field \"%2\"").arg(where_, QLatin1String(field)));
        }
    }

    const QString& where() const { return where_; }

    QString text(const char* field) const
    {
        return typed(field, QJsonValue::String, "a text").toString();
    }

    QString one_of(const char* field, std::initializer_list<const char*> allowed) const
    {
        QString value = text(field);
        if (std::none_of(allowed.begin(), allowed.end(),
                         [&value](const char* a) { return value == QLatin1String(a); }))
            refuse(QStringLiteral("in %1, %2 \"%3\" is not a known kind")
                       .arg(where_, QLatin1String(field), value));
        return value;
    }

    double number(const char* field, double low, double high) const
    {
        const QJsonValue value = object_.value(QLatin1String(field));
        if (!value.isDouble() || value.toDouble() < low || value.toDouble() > high)
            refuse(QStringLiteral("in %1, %2 is not a number from %3 to %4")
                       .arg(where_, QLatin1String(field))
                       .arg(low)
                       .arg(high));
        return value.toDouble();
    }

    bool flag(const char* field) const
    {
        return typed(field, QJsonValue::Bool, "true or false").toBool();
    }

    QJsonArray list(const char* field) const
    {
        return typed(field, QJsonValue::Array, "a list").toArray();
    }

private:
    // The field's value, undefined when it is absent; refused when it has another type.
    QJsonValue typed(const char* field, QJsonValue::Type type, const char* what) const
    {
        QJsonValue value = object_.value(QLatin1String(field));
        if (!value.isUndefined() && value.type() != type)
            refuse(QStringLiteral("in %1, %2 is not %3")
                       .arg(where_, QLatin1String(field), QLatin1String(what)));
        return value;
    }

    QJsonObject object_;
    QString where_;
};

Drawing read_drawing(const QJsonValue& value, int number)
{
    const Fields drawing(value, QStringLiteral("drawing %1").arg(number),
                         {"file", "width", "height", "description", "devices"},
                         {"links", "areas", "notes"});
    Drawing read;
    read.file = drawing.text("file");
    // The picture goes into the output folder and nowhere else.
    if (!read.file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ||
        read.file.startsWith(QLatin1Char('.')) || read.file.contains(QLatin1Char('/')) ||
        read.file.contains(QLatin1Char('\\')))
        refuse(QStringLiteral("in %1, file is not a plain file name ending in .png")
                   .arg(drawing.where()));
    const QString where = QStringLiteral("drawing %1 (%2)").arg(number).arg(read.file);
    read.size = QSize(static_cast<int>(drawing.number("width", 1, 8000)),
                      static_cast<int>(drawing.number("height", 1, 8000)));
    read.description = drawing.text("description").trimmed();
    if (read.description.isEmpty())
        refuse(QStringLiteral("%1 has a blank description").arg(where));
    const double right = read.size.width();
    const double bottom = read.size.height();

    int n = 0;
    for (const QJsonValue item : drawing.list("devices")) {
        const Fields device(item, QStringLiteral("device %1 of %2").arg(++n).arg(where),
                            {"name", "kind", "x", "y"});
        const QString name = device.text("name");
        if (name.trimmed().isEmpty())
            refuse(QStringLiteral("%1 has a blank name").arg(device.where()));
        if (std::any_of(read.devices.begin(), read.devices.end(),
                        [&name](const Device& d) { return d.name == name; }))
            refuse(QStringLiteral("%1 has two devices named \"%2\"").arg(where, name));
        read.devices.push_back(
            {name, device.one_of("kind", {"router", "switch", "host", "server", "cloud"}),
             QPointF(device.number("x", 0, right), device.number("y", 0, bottom))});
    }
    n = 0;
    for (const QJsonValue item : drawing.list("links")) {
        const Fields link(item, QStringLiteral("link %1 of %2").arg(++n).arg(where),
                          {"from", "to", "kind"}, {"from_label", "to_label", "label", "failed"});
        Link read_link{link.text("from"),
                       link.text("to"),
                       link.one_of("kind", {"ethernet", "serial"}),
                       link.text("from_label"),
                       link.text("to_label"),
                       link.text("label"),
                       link.flag("failed")};
        for (const QString& end : {read_link.from, read_link.to}) {
            if (std::none_of(read.devices.begin(), read.devices.end(),
                             [&end](const Device& d) { return d.name == end; }))
                refuse(QStringLiteral("%1 names \"%2\", which is no device of the drawing")
                           .arg(link.where(), end));
        }
        if (read_link.from == read_link.to)
            refuse(QStringLiteral("%1 joins a device to itself").arg(link.where()));
        read.links.push_back(read_link);
    }
    n = 0;
    for (const QJsonValue item : drawing.list("areas")) {
        const Fields area(item, QStringLiteral("area %1 of %2").arg(++n).arg(where),
                          {"x", "y", "w", "h", "label"});
        read.areas.push_back({QRectF(area.number("x", 0, right), area.number("y", 0, bottom),
                                     area.number("w", 1, right), area.number("h", 1, bottom)),
                              area.text("label")});
    }
    n = 0;
    for (const QJsonValue item : drawing.list("notes")) {
        const Fields note(item, QStringLiteral("note %1 of %2").arg(++n).arg(where),
                          {"x", "y", "text"});
        read.notes.push_back(
            {QPointF(note.number("x", 0, right), note.number("y", 0, bottom)), note.text("text")});
    }
    return read;
}

std::vector<Drawing> read_drawings(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        refuse(QStringLiteral("there is no such file"));
    if (!file.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        refuse(QStringLiteral("it is not valid JSON (%1 at byte %2)")
                   .arg(error.errorString())
                   .arg(error.offset));
    if (!document.isArray())
        refuse(QStringLiteral("it holds no list of drawings"));
    std::vector<Drawing> drawings;
    int number = 0;
    for (const QJsonValue value : document.array()) {
        drawings.push_back(read_drawing(value, ++number));
        const QString& name = drawings.back().file;
        if (std::count_if(drawings.begin(), drawings.end(),
                          [&name](const Drawing& d) { return d.file == name; }) > 1)
            refuse(QStringLiteral("two drawings write %1").arg(name));
    }
    if (drawings.empty())
        refuse(QStringLiteral("it holds no drawing"));
    return drawings;
}

QFont label_font(bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(label_pixels);
    font.setBold(bold);
    return font;
}

// The white patch a label is drawn on, centred at the origin.
QRectF label_box(const QString& text, bool bold = false)
{
    const QFontMetricsF metrics(label_font(bold));
    QRectF box = metrics.boundingRect(QRectF(0, 0, 4000, 4000), Qt::AlignCenter, text);
    box.adjust(-5, -1, 5, 1);
    box.moveCenter(QPointF(0, 0));
    return box;
}

// Text on a white patch, centred at the point, so lines under it do not hide it.
void draw_label(QPainter& painter, QPointF centre, const QString& text, bool bold = false)
{
    if (text.isEmpty())
        return;
    const QRectF box = label_box(text, bold).translated(centre);
    painter.fillRect(box, Qt::white);
    painter.setFont(label_font(bold));
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

// Half the size of each kind of symbol, and how far below its centre the name is written.
QSizeF symbol_half(const QString& kind)
{
    if (kind == QLatin1String("router"))
        return {46, 30};
    if (kind == QLatin1String("switch"))
        return {50, 24};
    if (kind == QLatin1String("host"))
        return {34, 30};
    if (kind == QLatin1String("server"))
        return {26, 38};
    return {72, 52};
}

// The router's ellipse and the switch's and server's bodies exactly; around a host's screen and
// stand, and a cloud's bubbles.
QRectF symbol_box(const Device& device)
{
    const QSizeF half = symbol_half(device.kind);
    return {device.centre - QPointF(half.width(), half.height()), half * 2};
}

QPointF name_centre(const Device& device)
{
    const double below = device.kind == QLatin1String("server") ? 60 : 52;
    return device.centre + QPointF(0, below + label_pixels / 2.0);
}

// What a link's label must not cover: each device's symbol and its name.
std::vector<QRectF> device_areas(const std::vector<Device>& devices)
{
    std::vector<QRectF> areas;
    for (const Device& device : devices) {
        areas.push_back(symbol_box(device));
        areas.push_back(label_box(device.name, true).translated(name_centre(device)));
    }
    return areas;
}

// Four overlapping bubbles merged into one outline.
QPainterPath cloud_outline(QPointF centre)
{
    QPainterPath cloud;
    // Where bubbles overlap they fill, rather than cancel out as under the odd-even rule.
    cloud.setFillRule(Qt::WindingFill);
    for (const auto& [dx, dy, r] :
         {std::tuple{-38.0, 7.0, 27.0}, {0.0, -14.0, 34.0}, {38.0, 7.0, 27.0}, {0.0, 17.0, 27.0}})
        cloud.addEllipse(centre + QPointF(dx, dy), r * 1.2, r);
    return cloud.simplified();
}

// Where a link from `outside` toward the device should end. A link to a cloud stops at its
// outline, so the step and label drawn at the link's middle sit on the part that shows.
QPointF link_end(const Device& device, QPointF outside)
{
    if (device.kind != QLatin1String("cloud"))
        return device.centre;
    const QPainterPath cloud = cloud_outline(device.centre);
    const QLineF line(outside, device.centre);
    const double steps = std::ceil(line.length() * 2);
    for (double i = 0; i < steps; ++i) {
        const QPointF at = line.pointAt(i / steps);
        if (cloud.contains(at))
            return at;
    }
    return device.centre;
}

void draw_device(QPainter& painter, const Device& device)
{
    const QPointF c = device.centre;
    painter.setPen(QPen(ink, 3));
    if (device.kind == QLatin1String("router")) {
        painter.setBrush(router_blue);
        painter.drawEllipse(symbol_box(device));
        painter.setPen(QPen(Qt::white, 4));
        painter.drawLine(c + QPointF(-20, -10), c + QPointF(20, 10));
        painter.drawLine(c + QPointF(-20, 10), c + QPointF(20, -10));
    } else if (device.kind == QLatin1String("switch")) {
        painter.setBrush(switch_teal);
        painter.drawRoundedRect(symbol_box(device), 7, 7);
        painter.setPen(QPen(Qt::white, 4));
        painter.drawLine(c + QPointF(-28, -9), c + QPointF(28, -9));
        painter.drawLine(c + QPointF(-28, 9), c + QPointF(28, 9));
    } else if (device.kind == QLatin1String("host")) {
        painter.setBrush(QColor(230, 234, 240));
        painter.drawRect(QRectF(c.x() - 34, c.y() - 30, 68, 44));
        painter.drawRect(QRectF(c.x() - 20, c.y() + 18, 40, 9));
    } else if (device.kind == QLatin1String("server")) {
        painter.setBrush(QColor(230, 234, 240));
        painter.drawRect(symbol_box(device));
        for (const double y : {-20.0, -4.0, 12.0})
            painter.drawLine(c + QPointF(-15, y), c + QPointF(15, y));
    } else {
        painter.setBrush(QColor(236, 240, 248));
        painter.drawPath(cloud_outline(c));
    }
    draw_label(painter, name_centre(device), device.name, true);
}

// Where a label beside a link goes: off the line along its normal until its patch clears the
// line, and from `along` (a fraction of the link) toward the middle until it covers no device.
QPointF beside(const QLineF& line, double along, const QString& text, double side,
               const std::vector<QRectF>& devices)
{
    const QLineF normal = line.normalVector().unitVector();
    const QRectF box = label_box(text);
    const double clear =
        std::abs(normal.dx()) * box.width() / 2 + std::abs(normal.dy()) * box.height() / 2 + 18;
    const QPointF off = QPointF(normal.dx(), normal.dy()) * clear * side;
    const double step = along < 0.5 ? 0.01 : -0.01;
    QPointF at = line.pointAt(along) + off;
    for (; std::abs(along - 0.5) > 0.005; along += step) {
        at = line.pointAt(along) + off;
        const QRectF placed = box.translated(at);
        if (std::none_of(devices.begin(), devices.end(),
                         [&placed](const QRectF& d) { return d.intersects(placed); }))
            break;
    }
    return at;
}

void draw_link(QPainter& painter, QPointF from, QPointF to, const Link& link,
               const std::vector<QRectF>& devices)
{
    const bool serial = link.kind == QLatin1String("serial");
    QPen pen(link.failed ? failed_red : serial ? serial_red : ink, 4);
    if (link.failed)
        pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QLineF line(from, to);
    const QPointF middle = line.center();
    if (!serial) {
        painter.drawLine(line);
    } else {
        // A serial link is drawn with a lightning step in its middle.
        const QLineF normal = line.normalVector().unitVector();
        const QPointF side(normal.dx() * 14, normal.dy() * 14);
        const QPointF along = (to - from) / std::max(line.length(), 1.0) * 10;
        painter.drawPolyline(QPolygonF{from, middle - along + side, middle + along - side, to});
    }
    if (link.failed) {
        painter.setPen(QPen(failed_red, 9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(middle + QPointF(-24, -24), middle + QPointF(24, 24));
        painter.drawLine(middle + QPointF(-24, 24), middle + QPointF(24, -24));
    }
    // End labels sit a little way along the link, beside it; the middle one on the other side,
    // clear of the cross on a failed link.
    const double near_end = std::min(0.3, 110.0 / std::max(line.length(), 1.0));
    draw_label(painter, beside(line, near_end, link.from_label, 1, devices), link.from_label);
    draw_label(painter, beside(line, 1 - near_end, link.to_label, 1, devices), link.to_label);
    draw_label(painter, beside(line, 0.5, link.label, link.failed ? -1.6 : -1, {}), link.label);
}

QImage draw(const Drawing& drawing)
{
    QImage image(drawing.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setText(QStringLiteral("Description"), drawing.description);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Area& area : drawing.areas) {
        painter.setPen(QPen(QColor(110, 120, 140), 3, Qt::DashLine));
        painter.setBrush(QColor(240, 244, 250, 170));
        painter.drawRoundedRect(area.box, 16, 16);
        painter.setFont(label_font(true));
        painter.setPen(ink);
        painter.drawText(area.box.adjusted(16, 8, -16, -8), Qt::AlignLeft | Qt::AlignTop,
                         area.label);
    }
    std::map<QString, const Device*> named;
    for (const Device& device : drawing.devices)
        named[device.name] = &device;
    const std::vector<QRectF> devices = device_areas(drawing.devices);
    for (const Link& link : drawing.links) {
        const Device& from = *named.at(link.from);
        const Device& to = *named.at(link.to);
        draw_link(painter, link_end(from, to.centre), link_end(to, from.centre), link, devices);
    }
    for (const Device& device : drawing.devices)
        draw_device(painter, device);
    for (const Note& note : drawing.notes)
        draw_label(painter, note.at, note.text);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_diagrams DRAWINGS.json OUTPUT_FOLDER\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    std::vector<Drawing> drawings;
    try {
        drawings = read_drawings(path);
    } catch (const Refusal& refusal) {
        std::fprintf(stderr, "draw_diagrams: %s cannot be used: %s.\n", argv[1],
                     qPrintable(refusal.reason));
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (const Drawing& drawing : drawings) {
        const QString target = folder.filePath(drawing.file);
        if (!draw(drawing).save(target, "PNG")) {
            std::fprintf(stderr, "draw_diagrams: %s cannot be written.\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
