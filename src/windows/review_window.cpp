#include "windows/review_window.h"

#include "bank/question_bank.h"
#include "quiz/report.h"
#include "quiz/review.h"
#include "screens/designs.h"
#include "screens/report_files.h"
#include "screens/score_bar.h"
#include "screens/window_builder.h"
#include "screens/wrapped_text.h"
#include "shell/navigation.h"
#include "shell/save_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

FormRef<ReviewWindow> Review{FormSlot::Role::Main};

ReviewWindow::ReviewWindow()
    : Form(review_design),
      answers(control<QTreeWidget>(*this, "answers")),
      detail(control<QPlainTextEdit>(*this, "detail")),
      scores(control<QTreeWidget>(*this, "scores")),
      retake(control<QPushButton>(*this, "retake")),
      Closeb(control<QPushButton>(*this, "Closeb"))
{
    for (int i = 1; i <= 2; ++i) {
        show_rows[i] = control<QRadioButton>(*this, control_name("show_rows", i));
        on_click(show_rows[i], [this, i] { show_rows_Click(i); });
    }
    for (int i = 1; i <= 3; ++i) {
        diagrambutton[i] = control<QPushButton>(*this, control_name("diagrambutton", i));
        exhibitbutton[i] = control<QPushButton>(*this, control_name("exhibitbutton", i));
        on_click(diagrambutton[i], [this, i] { diagrambutton_Click(i); });
        on_click(exhibitbutton[i], [this, i] { exhibitbutton_Click(i); });
    }
    on_click(retake, [this] { retake_Click(); });
    on_click(control<QPushButton>(*this, "save_pdf"), [this] { save_pdf_Click(); });
    on_click(Closeb, [this] { Closeb_Click(); });
    connect(answers, &QTreeWidget::currentItemChanged, this, [this] {
        // The viewers belong to the question that was shown.
        report(Happened::QuestionLeaving);
        show_detail();
    });
    // The question is there to be read: it keeps the focus, with a caret that moves line by line
    // under the keys as a screen reader follows it.
    detail->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The short columns as wide as their texts, the answers share the rest.
    for (const int column : {0, 1, 2})
        answers->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (const int column : {3, 4})
        answers->header()->setSectionResizeMode(column, QHeaderView::Stretch);
    // A chapter's long name wraps rather than hiding its end.
    wrap_column(*scores, 0);
    scores->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    scores->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    scores->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    scores->setItemDelegateForColumn(2, new ScoreBar(scores));
}

void ReviewWindow::show_attempt(const Attempt& attempt)
{
    attempt_ = attempt;
    auto* heading = control<QLabel>(*this, "heading");
    heading->setText(attempt_heading(attempt_));
    // Screen readers say it as the window opens.
    setAccessibleDescription(heading->text());
    fill_rows();
    fill_scores();
    retake->setEnabled(!attempt_.not_yet_right().empty());
    answers->setFocus();
}

void ReviewWindow::Form_Unload()
{
    report(Happened::ReviewClosing);
}

void ReviewWindow::fill_rows()
{
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(attempt_.graded.size()));
    for (const GradedQuestion& graded : attempt_.graded) {
        const ReviewRow row = review_row(graded, bank);
        auto* item = new QTreeWidgetItem(QStringList{
            row.position, row.qid, row.right ? QStringLiteral("right") : QStringLiteral("WRONG"),
            row.reply.isEmpty() ? QStringLiteral("none") : row.reply, row.answer});
        item->setData(0, Qt::AccessibleTextRole, row.spoken);
        items << item;
    }
    answers->addTopLevelItems(items);
    if (!items.isEmpty())
        answers->setCurrentItem(items.constFirst());
    else
        show_detail();
}

void ReviewWindow::fill_scores()
{
    QList<QTreeWidgetItem*> items;
    for (const GroupScore& score : group_scores(attempt_.graded, bank)) {
        const int percent = percent_right(score.right, score.asked);
        auto* item = new QTreeWidgetItem(QStringList{
            score.name, QStringLiteral("%1 right of %2").arg(score.right).arg(score.asked),
            QStringLiteral("%1%").arg(percent)});
        item->setData(2, Qt::UserRole, static_cast<double>(score.right) / score.asked);
        items << item;
    }
    scores->addTopLevelItems(items);
}

const GradedQuestion* ReviewWindow::selected() const
{
    QTreeWidgetItem* item = answers->currentItem();
    if (!item || item->isHidden())
        return nullptr;
    // Row i shows graded question i.
    return &attempt_.graded.at(static_cast<std::size_t>(answers->indexOfTopLevelItem(item)));
}

void ReviewWindow::show_detail()
{
    const GradedQuestion* graded = selected();
    if (graded)
        detail->setPlainText(review_detail(*graded, bank));
    else
        detail->setPlainText(attempt_.graded.empty() ? QStringLiteral("No question was graded.")
                                                     : QStringLiteral("No question was missed."));
    const QuestionRecord* record = graded ? &bank.record(graded->qid) : nullptr;
    for (int i = 1; i <= 3; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        diagrambutton[i]->setVisible(record && !is_blank(record->diagram_file[slot]));
        exhibitbutton[i]->setVisible(record && !is_blank(record->exhibit_file[slot]));
    }
}

void ReviewWindow::show_rows_Click(int Index)
{
    const bool missed_only = Index == 2;
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < answers->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = answers->topLevelItem(i);
        const bool right = attempt_.graded.at(static_cast<std::size_t>(i)).right();
        item->setHidden(missed_only && right);
        if (!item->isHidden() && !first)
            first = item;
    }
    QTreeWidgetItem* current = answers->currentItem();
    // A new current row shows its question through currentItemChanged.
    if (!current || current->isHidden())
        answers->setCurrentItem(first);
}

void ReviewWindow::retake_Click()
{
    report(Happened::RetakeAsked);
}

void ReviewWindow::offer_saving()
{
    control<QPushButton>(*this, "save_pdf")->show();
}

void ReviewWindow::save_pdf_Click()
{
    save_as(this, QStringLiteral("Save the review as PDF"), QStringLiteral("review.pdf"),
            QStringLiteral("PDF (*.pdf)"),
            [this](const QString& path) { return write_pdf(path, review_report(attempt_, bank)); });
}

void ReviewWindow::Closeb_Click()
{
    report(Happened::ReviewDone);
}

QString ReviewWindow::viewer_title(const QString& aid, int Index) const
{
    const GradedQuestion& graded = *selected();
    return QStringLiteral("Question %1 (QID %2): %3 #%4")
        .arg(graded.position)
        .arg(graded.qid)
        .arg(aid)
        .arg(Index);
}

void ReviewWindow::diagrambutton_Click(int Index)
{
    if (const GradedQuestion* graded = selected())
        open_diagram(bank.record(graded->qid).diagram_file.at(static_cast<std::size_t>(Index)),
                     viewer_title(QStringLiteral("Diagram"), Index));
}

void ReviewWindow::exhibitbutton_Click(int Index)
{
    if (const GradedQuestion* graded = selected())
        open_exhibit(bank.record(graded->qid).exhibit_file.at(static_cast<std::size_t>(Index)),
                     this, viewer_title(QStringLiteral("Exhibit"), Index));
}
