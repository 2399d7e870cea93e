#include "quiz/report.h"

#include "quiz/review.h"

QString rich_text(const QString& text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1String("\r\n"), QLatin1String("<br>"))
        .replace(QLatin1Char('\n'), QLatin1String("<br>"))
        .replace(QLatin1Char('\r'), QLatin1String("<br>"));
    return escaped;
}

QString table_row(const QStringList& cells, const char* tag)
{
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), rich_text(cell));
    return row + QStringLiteral("</tr>");
}

QString review_report(const Attempt& attempt, const QuestionBank& questions)
{
    QString html = QStringLiteral("<h1>") + rich_text(attempt_heading(attempt)) +
                   QStringLiteral("</h1><h2>Scores by chapter</h2><table cellpadding=\"3\">");
    for (const GroupScore& score : group_scores(attempt.graded, questions)) {
        html += table_row({score.name,
                           QStringLiteral("%1 right of %2").arg(score.right).arg(score.asked),
                           QStringLiteral("%1%").arg(percent_right(score.right, score.asked))});
    }
    html += QStringLiteral("</table><h2>Questions answered wrong</h2>");
    bool any = false;
    for (const GradedQuestion& graded : attempt.graded) {
        if (graded.right())
            continue;
        any = true;
        html += QStringLiteral("<p>") + rich_text(review_detail(graded, questions)) +
                QStringLiteral("</p><hr>");
    }
    if (!any)
        html += QStringLiteral("<p>None.</p>");
    return html;
}

QString csv_line(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) {
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
            field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
            QString doubled = field;
            doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
            quoted << QLatin1Char('"') + doubled + QLatin1Char('"');
        } else {
            quoted << field;
        }
    }
    return quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
}
