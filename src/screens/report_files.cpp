#include "screens/report_files.h"

#include <QDir>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace {

QString cannot_write(const QString& path, const QFileDevice& file)
{
    return QStringLiteral("%1 cannot be written: %2.")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace

QString write_pdf(const QString& path, const QString& rich_text,
                  const std::vector<ReportImage>& images)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannot_write(path, file);
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QStringLiteral("Orlin Quiz report"));
        QTextDocument document;
        for (const ReportImage& image : images)
            document.addResource(QTextDocument::ImageResource, QUrl(image.name), image.image);
        document.setHtml(rich_text);
        document.print(&writer);
    }
    if (!file.commit())
        return cannot_write(path, file);
    return {};
}

QString write_text(const QString& path, const QString& text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return cannot_write(path, file);
    return {};
}
