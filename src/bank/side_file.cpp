#include "bank/side_file.h"

#include <QFileInfo>

QString on_disk(const QString& path)
{
    return path.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + path : path;
}

bool side_file_exists(const QString& path)
{
    const QFileInfo info(on_disk(path));
    return !path.isEmpty() && info.isFile() && !info.isHidden();
}
