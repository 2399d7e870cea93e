#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct ReportImage {
    QString name; // as the rich text names it: <img src="name">
    QImage image;
};

// Reports a user saves where they choose. A file is replaced only once the whole of it is
// written; each gives the error in a sentence naming the file, or nothing.

// The rich text, with its images, printed to a PDF file on A4 paper.
QString write_pdf(const QString& path, const QString& rich_text,
                  const std::vector<ReportImage>& images = {});
// The text, in UTF-8.
QString write_text(const QString& path, const QString& text);
