#include "study/progress_report.h"

#include "quiz/report.h"

namespace {

QString answered_text(const AttemptRow& row)
{
    return QStringLiteral("%1 of %2").arg(row.right).arg(row.answered);
}

} // namespace

QString progress_report(const ProgressFigures& figures)
{
    QString html = QStringLiteral("<h1>") + rich_text(figures.heading) +
                   QStringLiteral("</h1><h2>Attempts, newest first</h2><table cellpadding=\"3\">");
    html += table_row({QStringLiteral("When"), QStringLiteral("Quiz"), QStringLiteral("Right"),
                       QStringLiteral("Percent"), QStringLiteral("Time"), QStringLiteral("Ended")},
                      "th");
    for (const AttemptRow& row : figures.attempts)
        html += table_row({row.when, row.quiz, answered_text(row),
                           QStringLiteral("%1%").arg(row.percent), row.time_used, row.ending});
    html += QStringLiteral("</table><h2>Chapters, weakest first</h2><table cellpadding=\"3\">");
    html += table_row({QStringLiteral("Chapter"), QStringLiteral("Last answers"),
                       QStringLiteral("Percent"), QStringLiteral("Never seen"),
                       QStringLiteral("Due"), QStringLiteral("Right twice")},
                      "th");
    for (const ChapterRow& row : figures.chapters)
        html += table_row({row.name, QStringLiteral("%1 right of %2").arg(row.right).arg(row.asked),
                           QStringLiteral("%1%").arg(row.percent), QString::number(row.never_seen),
                           QString::number(row.due), QString::number(row.right_twice)});
    html += QStringLiteral("</table>");
    if (!figures.series.empty())
        html += QStringLiteral("<h2>Percent right by chapter, attempt by attempt</h2>"
                               "<p><img src=\"plot\"></p>");
    return html;
}

QString attempts_csv(const std::vector<AttemptRow>& attempts)
{
    QString csv = csv_line({QStringLiteral("When"), QStringLiteral("Quiz"), QStringLiteral("Right"),
                            QStringLiteral("Answered"), QStringLiteral("Percent"),
                            QStringLiteral("Time used"), QStringLiteral("Ended")});
    for (const AttemptRow& row : attempts)
        csv += csv_line({row.when, row.quiz, QString::number(row.right),
                         QString::number(row.answered), QString::number(row.percent), row.time_used,
                         row.ending.isEmpty() ? QStringLiteral("finished") : row.ending});
    return csv;
}
