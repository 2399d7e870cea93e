#include "windows/review_window.h"

#include "bank/question_bank.h"
#include "quiz/review.h"
#include "screens/designs.h"
#include "screens/window_builder.h"
#include "shell/navigation.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTreeWidget>

FormRef<ReviewWindow> Review{FormSlot::Role::Main};

ReviewWindow::ReviewWindow()
    : Form(review_design),
      answers(control<QTreeWidget>(*this, "answers")),
      detail(control<QPlainTextEdit>(*this, "detail")),
      scores(control<QScrollArea>(*this, "scores")),
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
    on_click(Closeb, [this] { Closeb_Click(); });
    connect(answers, &QTreeWidget::currentItemChanged, this, [this] {
        // The viewers belong to the question that was shown.
        report(Happened::QuestionLeaving);
        show_detail();
    });
    // The question is there to be read: it keeps the focus, with a caret that moves line by line
    // under the keys as a screen reader follows it.
    detail->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void ReviewWindow::show_attempt(const Attempt& attempt)
{
    attempt_ = attempt;
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
    for (int column = 0; column < 3; ++column)
        answers->resizeColumnToContents(column);
    if (!items.isEmpty())
        answers->setCurrentItem(items.constFirst());
    else
        show_detail();
}

void ReviewWindow::fill_scores()
{
    auto* grid = new QGridLayout(scores->widget());
    int line = 0;
    for (const GroupScore& score : group_scores(attempt_.graded, bank)) {
        auto* name = new QLabel(score.name);
        name->setWordWrap(true);
        auto* bar = new QProgressBar;
        bar->setRange(0, score.asked);
        bar->setValue(score.right);
        bar->setFormat(QStringLiteral("%v of %m"));
        bar->setAccessibleName(
            QStringLiteral("%1: %2 right of %3").arg(score.name).arg(score.right).arg(score.asked));
        grid->addWidget(name, line, 0);
        grid->addWidget(bar, line, 1);
        ++line;
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(line, 1);
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
    detail->setPlainText(graded ? review_detail(*graded, bank) : QString());
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
