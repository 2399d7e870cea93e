#pragma once

#include "quiz/exam_clock.h"
#include "shell/form_ref.h"

#include <array>
#include <functional>

class AnswerButton;
class Meter;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The question window, on which a quiz runs.
class QuestWindow : public Form {
    Q_OBJECT
public:
    QuestWindow();

    void show_quest();
    void clear_the_boxes();
    void check_answer();
    void show_answer();
    void end_the_test();

    void NextButton_Click();
    void quitquiz_Click();
    void cluebutton_Click();
    void diagrambutton_Click(int Index);
    void exhibitbutton_Click(int Index);
    // With a time limit: shows the time left and ends the quiz at zero. Its timer calls it; tests
    // call it after setting the exam clock's time.
    void clock_tick();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void present_question();
    void tell_screen_readers();
    void update_gauge();
    void lay_out_gauge();
    QString typed_answer() const;
    void start_clock(int minutes);
    void announce(int minutes);
    void show_time_left(int seconds);

    QPlainTextEdit* Q1;
    std::array<AnswerButton*, 7> QChoice{}; // index 0 unused, as in every control array here
    std::array<QPlainTextEdit*, 7> abox{};
    std::array<QPushButton*, 4> diagrambutton{};
    std::array<QPushButton*, 4> exhibitbutton{};
    QLabel* typestuff;
    QLabel* Directions;
    QPushButton* cluebutton;
    QPushButton* NextButton;
    QPushButton* quitquiz;
    QLabel* question_number;
    QLabel* qid;
    QLabel* score;
    QLabel* Percent_Right;
    Meter* Gauge1;
    QWidget* the_gauge;
    // The design's screen-reader name of abox(1), which a typed-answer question changes.
    QString choice_a_name_;

    // The score the red bar last showed; a total of 0 keeps it hidden, as after loading.
    int gauge_right_ = 0;
    int gauge_total_ = 0;
    ExamClock clock_;
    QTimer* clock_timer_ = nullptr;
    int seconds_shown_ = 0;
};

extern FormRef<QuestWindow> quest;

// Shows the question window centred and painted, then starts the quiz with `start` and asks its
// first question, so that the window is on screen while the questions are picked.
void open_quiz(const std::function<void()>& start);
