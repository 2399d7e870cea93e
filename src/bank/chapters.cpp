#include "bank/chapters.h"

#include <QRegularExpression>

#include <array>
#include <utility>

namespace {

// The study guide's table of contents (content.h).
constexpr std::array<const char*, chapter_count + 1> titles{
    nullptr,
    "Internetworking and the seven-layer model",
    "The TCP/IP protocol suite",
    "IP addressing and subnetting",
    "IPX",
    "The router's command line and management",
    "IP routing: static, default and distance-vector routing",
    "EIGRP and OSPF",
    "Switching, spanning tree and VLANs",
    "Access lists",
    "Wide-area networks",
};

// Built-in records whose explanation cites no page, each filed by what it asks.
constexpr std::pair<int, int> uncited[] = {
    {2, 4},   {21, 1},  {24, 2},  {32, 2},  {33, 2},  {34, 2},  {47, 2},
    {52, 3},  {63, 3},  {66, 3},  {70, 3},  {74, 3},  {76, 3},  {80, 4},
    {90, 4},  {91, 4},  {106, 5}, {112, 5}, {115, 5}, {129, 6}, {134, 6},
    {138, 6}, {148, 7}, {161, 8}, {179, 8}, {183, 9}, {189, 9}, {205, 10},
};

} // namespace

QString short_group_name(const QString& group)
{
    return group.startsWith(QLatin1String("Chapter ")) ? group.section(QLatin1Char(':'), 0, 0)
                                                       : group;
}

QString chapter_title(int chapter)
{
    if (chapter < 1 || chapter > chapter_count)
        return {};
    return QStringLiteral("Chapter %1: %2")
        .arg(chapter)
        .arg(QString::fromUtf8(titles[static_cast<std::size_t>(chapter)]));
}

int built_in_chapter(int number, const QuestionRecord& record)
{
    static const QRegularExpression citation(
        QStringLiteral("^Study Guide, Chapter (\\d+), page \\d+"));
    const QRegularExpressionMatch match = citation.match(record.explanation);
    if (match.hasMatch()) {
        const int chapter = match.captured(1).toInt();
        return chapter <= chapter_count ? chapter : 0;
    }
    for (const auto& [record_number, chapter] : uncited) {
        if (record_number == number)
            return chapter;
    }
    return 0;
}
