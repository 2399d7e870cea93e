#pragma once

#include "quiz/attempt.h"
#include "shell/form_ref.h"

#include <array>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// After a quiz in study mode: every graded question, the selected one in full, the scores by
// chapter, and a retake of the missed questions.
class ReviewWindow : public Form {
    Q_OBJECT
public:
    ReviewWindow();

    // Fills the window with the attempt's graded questions and scores.
    void show_attempt(const Attempt& attempt);
    // Study mode offers to save the review as PDF.
    void offer_saving();
    const Attempt& attempt() const { return attempt_; }

    void show_rows_Click(int Index);
    void retake_Click();
    void save_pdf_Click();
    void Closeb_Click();
    void diagrambutton_Click(int Index);
    void exhibitbutton_Click(int Index);

protected:
    void Form_Unload() override;

private:
    void fill_rows();
    void fill_scores();
    void show_detail();
    const GradedQuestion* selected() const;
    // "Question 3 (QID 17): Diagram #1", the title of a viewer opened from the selected row.
    QString viewer_title(const QString& aid, int Index) const;

    QTreeWidget* answers;
    std::array<QRadioButton*, 3> show_rows{};
    QPlainTextEdit* detail;
    QTreeWidget* scores;
    std::array<QPushButton*, 4> diagrambutton{};
    std::array<QPushButton*, 4> exhibitbutton{};
    QPushButton* retake;
    QPushButton* Closeb;

    Attempt attempt_;
};

extern FormRef<ReviewWindow> Review;
