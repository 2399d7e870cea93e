#include "windows/progress_window.h"

#include "bank/chapters.h"
#include "screens/designs.h"
#include "screens/option_boxes.h"
#include "screens/progress_plot.h"
#include "screens/report_files.h"
#include "screens/score_bar.h"
#include "screens/window_builder.h"
#include "screens/wrapped_text.h"
#include "shell/message_box.h"
#include "shell/navigation.h"
#include "shell/save_dialog.h"
#include "study/progress_report.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

FormRef<ProgressWindow> Progress{FormSlot::Role::Main};

namespace {

constexpr int most_questions = 200;

} // namespace

ProgressWindow::ProgressWindow()
    : Form(progress_design),
      attempts(control<QTreeWidget>(*this, "attempts")),
      chapters(control<QTreeWidget>(*this, "chapters")),
      plot(control<ProgressPlot>(*this, "plot")),
      question_count_box(control<QSpinBox>(*this, "question_count")),
      minutes_box(control<QSpinBox>(*this, "minutes")),
      due(control<QPushButton>(*this, "due")),
      retake(control<QPushButton>(*this, "retake"))
{
    question_count_box->setRange(1, most_questions);
    question_count_box->setValue(20);
    minutes_box->setRange(0, 600);
    minutes_box->setSpecialValueText(QStringLiteral("no clock"));
    control<QLabel>(*this, "Label4")->setBuddy(question_count_box);
    control<QLabel>(*this, "Label5")->setBuddy(minutes_box);
    const std::pair<const char*, void (ProgressWindow::*)()> buttons[] = {
        {"practice", &ProgressWindow::practice_Click},
        {"due", &ProgressWindow::due_Click},
        {"retake", &ProgressWindow::retake_Click},
        {"open_attempt", &ProgressWindow::open_attempt_Click},
        {"new_quiz", &ProgressWindow::new_quiz_Click},
        {"save_pdf", &ProgressWindow::save_pdf_Click},
        {"save_csv", &ProgressWindow::save_csv_Click},
        {"Closeb", &ProgressWindow::Closeb_Click},
    };
    for (const auto& [name, handler] : buttons)
        on_click(control<QPushButton>(*this, QString::fromLatin1(name)),
                 [this, handler = handler] { (this->*handler)(); });
    connect(attempts, &QTreeWidget::itemActivated, this, [this] { open_attempt_Click(); });
    for (QTreeWidget* table : {attempts, chapters})
        table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A year of attempts is hundreds of rows: one line each, the columns measured on the rows in
    // sight, so that the window opens as fast with many as with few.
    attempts->header()->setResizeContentsPrecision(0);
    attempts->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    // A chapter's long name wraps rather than hiding its end.
    wrap_column(*chapters, 0);
    chapters->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    chapters->setItemDelegateForColumn(2, new ScoreBar(chapters));
}

void ProgressWindow::show_figures(const ProgressFigures& figures)
{
    figures_ = figures;
    auto* heading = control<QLabel>(*this, "heading");
    heading->setText(figures.heading);
    setAccessibleDescription(figures.heading);
    fill_attempts(figures);
    fill_chapters(figures);
    fill_plot(figures);
    due->setText(QStringLiteral("Questions &due (%1)").arg(figures.due));
    due->setEnabled(figures.due > 0);
    retake->setEnabled(figures.retake > 0);
    control<QPushButton>(*this, "open_attempt")->setEnabled(!figures.attempts.empty());
    attempts->setFocus();
}

void ProgressWindow::fill_attempts(const ProgressFigures& figures)
{
    attempts->clear();
    QList<QTreeWidgetItem*> items;
    for (const AttemptRow& row : figures.attempts) {
        const QString right = QStringLiteral("%1 of %2").arg(row.right).arg(row.answered);
        QString percent = QStringLiteral("%1%").arg(row.percent);
        if (!row.ending.isEmpty())
            percent += QStringLiteral(", ") + row.ending;
        auto* item =
            new QTreeWidgetItem(QStringList{row.when, row.quiz, right, percent, row.time_used});
        item->setData(0, Qt::UserRole, row.id);
        items << item;
    }
    attempts->addTopLevelItems(items);
    if (!items.isEmpty())
        attempts->setCurrentItem(items.constFirst());
}

void ProgressWindow::fill_chapters(const ProgressFigures& figures)
{
    chapters->clear();
    QList<QTreeWidgetItem*> items;
    for (const ChapterRow& row : figures.chapters) {
        const bool asked = row.asked > 0;
        auto* item = new QTreeWidgetItem(
            QStringList{row.name,
                        asked ? QStringLiteral("%1 right of %2").arg(row.right).arg(row.asked)
                              : QStringLiteral("none yet"),
                        asked ? QStringLiteral("%1%").arg(row.percent) : QString(),
                        QString::number(row.never_seen), QString::number(row.due),
                        QString::number(row.right_twice)});
        item->setData(2, Qt::UserRole, asked ? row.percent / 100.0 : 0.0);
        item->setCheckState(0, Qt::Unchecked);
        items << item;
    }
    chapters->addTopLevelItems(items);
}

void ProgressWindow::fill_plot(const ProgressFigures& figures)
{
    std::vector<ProgressPlot::Series> series;
    QStringList spoken;
    for (const ChapterSeries& chapter : figures.series) {
        ProgressPlot::Series line{short_group_name(chapter.name), {}};
        QStringList percents;
        for (const PlotPoint& point : chapter.points) {
            line.percents.push_back(point.percent);
            percents << QStringLiteral("%1%").arg(point.percent);
        }
        series.push_back(std::move(line));
        spoken << chapter.name + QStringLiteral(": ") + percents.join(QStringLiteral(", "));
    }
    plot->set_series(std::move(series));
    // The same figures as text, oldest first, for screen readers.
    plot->setAccessibleDescription(spoken.isEmpty() ? QStringLiteral("No answers yet.")
                                                    : spoken.join(QStringLiteral(". ")) + u'.');
}

std::vector<QString> ProgressWindow::chosen_chapters() const
{
    std::vector<QString> chosen;
    for (int i = 0; i < chapters->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = chapters->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            chosen.push_back(item->text(0));
    }
    return chosen;
}

int ProgressWindow::question_count() const
{
    return question_count_box->value();
}

int ProgressWindow::minutes() const
{
    return minutes_box->value();
}

QuizOptions ProgressWindow::chosen_options() const
{
    return ticked_options(*this);
}

qint64 ProgressWindow::selected_attempt() const
{
    const QTreeWidgetItem* item = attempts->currentItem();
    return item ? item->data(0, Qt::UserRole).toLongLong() : 0;
}

void ProgressWindow::practice_Click()
{
    if (chosen_chapters().empty()) {
        message_box(this, windowTitle(),
                    QStringLiteral("Tick the chapters to practise in the list of chapters."));
        return;
    }
    report(Happened::PracticeAsked);
}

void ProgressWindow::due_Click()
{
    report(Happened::DueAsked);
}

void ProgressWindow::retake_Click()
{
    report(Happened::RetakeLastAsked);
}

void ProgressWindow::open_attempt_Click()
{
    if (selected_attempt() != 0)
        report(Happened::AttemptOpened);
}

void ProgressWindow::new_quiz_Click()
{
    report(Happened::NewQuizAsked);
}

void ProgressWindow::save_pdf_Click()
{
    save_as(
        this, QStringLiteral("Save the progress as PDF"), QStringLiteral("progress.pdf"),
        QStringLiteral("PDF (*.pdf)"), [this](const QString& path) {
            const QImage picture = plot->grab().toImage();
            return write_pdf(path, progress_report(figures_), {{QStringLiteral("plot"), picture}});
        });
}

void ProgressWindow::save_csv_Click()
{
    save_as(this, QStringLiteral("Save the attempts as CSV"), QStringLiteral("attempts.csv"),
            QStringLiteral("Comma-separated values (*.csv)"), [this](const QString& path) {
                return write_text(path, attempts_csv(figures_.attempts));
            });
}

void ProgressWindow::Closeb_Click()
{
    Progress.unload();
}

void ProgressWindow::Form_Unload()
{
    report(Happened::ProgressClosing);
}
