#pragma once

#include "quiz/quiz.h"
#include "shell/form_ref.h"

#include <array>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTreeWidget;

// After a quiz in study mode: every graded question, the selected one in full, the scores by
// chapter, and a retake of the missed questions.
class ReviewWindow : public Form {
    Q_OBJECT
public:
    ReviewWindow();

    void show_rows_Click(int Index);
    void retake_Click();
    void Closeb_Click();
    void diagrambutton_Click(int Index);
    void exhibitbutton_Click(int Index);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void fill_rows();
    void fill_scores();
    void show_detail();
    const GradedQuestion* selected() const;

    QTreeWidget* answers;
    std::array<QRadioButton*, 3> show_rows{};
    QPlainTextEdit* detail;
    QScrollArea* scores;
    std::array<QPushButton*, 4> diagrambutton{};
    std::array<QPushButton*, 4> exhibitbutton{};
    QPushButton* retake;
    QPushButton* Closeb;

    // The quiz's graded questions, as they were when the window opened.
    std::vector<GradedQuestion> graded_;
};

extern FormRef<ReviewWindow> Review;
