#include "bank/side_file.h"

#include "bank/question_bank.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool lies_in(const QString& folder, const QString& place)
{
    return place == folder || place.startsWith(folder + QLatin1Char('/'));
}

} // namespace

QString on_disk(const QString& path)
{
    return path.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + path : path;
}

bool side_file_exists(const QString& path)
{
    const QFileInfo info(on_disk(path));
    return !path.isEmpty() && info.isFile() && !info.isHidden();
}

SidePlace side_file_place(const BankFolder& folder, const QString& path)
{
    QString place = folder.resolved;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            place = QFileInfo(place).path();
        else if (part != QLatin1String("."))
            place = QDir::cleanPath(place + QLatin1Char('/') + part);
        const QFileInfo info(place);
        if (const QString real = info.canonicalFilePath(); !real.isEmpty())
            place = real;
        else if (info.isSymLink())
            return SidePlace::ThroughBrokenLink;
    }
    return lies_in(folder.resolved, place) ? SidePlace::Inside : SidePlace::Outside;
}

std::optional<QString> side_file_to_open(const QString& path)
{
    if (!side_file_exists(path))
        return std::nullopt;
    if (bank.side_file_folder.isEmpty())
        return path;
    const QString folder = QFileInfo(bank.side_file_folder).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    if (folder.isEmpty() || file.isEmpty() || !lies_in(folder, file))
        return std::nullopt;
    return file;
}
