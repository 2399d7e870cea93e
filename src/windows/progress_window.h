#pragma once

#include "quiz/quiz_options.h"
#include "shell/form_ref.h"
#include "study/study_session.h"

#include <QString>

#include <vector>

class ProgressPlot;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// Study mode's home: the attempts so far, each chapter's score, a plot of them across attempts,
// and the quizzes to take next.
class ProgressWindow : public Form {
    Q_OBJECT
public:
    ProgressWindow();

    void show_figures(const ProgressFigures& figures);

    // What the student chose for the next quiz.
    std::vector<QString> chosen_chapters() const;
    int question_count() const;
    int minutes() const;
    QuizOptions chosen_options() const;
    // The attempt selected in the list; 0 when none is.
    qint64 selected_attempt() const;

    void practice_Click();
    void due_Click();
    void retake_Click();
    void open_attempt_Click();
    void new_quiz_Click();
    void save_pdf_Click();
    void save_csv_Click();
    void Closeb_Click();

protected:
    void Form_Unload() override;

private:
    void fill_attempts(const ProgressFigures& figures);
    void fill_chapters(const ProgressFigures& figures);
    void fill_plot(const ProgressFigures& figures);

    QTreeWidget* attempts;
    QTreeWidget* chapters;
    ProgressPlot* plot;
    QSpinBox* question_count_box;
    QSpinBox* minutes_box;
    QPushButton* due;
    QPushButton* retake;
    // What the window shows, for its reports.
    ProgressFigures figures_;
};

extern FormRef<ProgressWindow> Progress;
