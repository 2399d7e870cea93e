#pragma once

#include "quiz/quiz_rules.h"
#include "shell/form_ref.h"

#include <array>

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

    // The quiz has started: its clock shows when it is timed, and its first question comes.
    void begin();
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
    // With a time limit: shows the time left and ends the quiz once the quiz says time is up and
    // no modal window is open. Its timer calls it; tests call it after setting the clock's time.
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
    ChoiceFlags pressed_choices() const;
    QString typed_answer() const;
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
    QTimer* clock_timer_ = nullptr;
    int seconds_shown_ = 0;
    // An announcement made while the feedback window was open, for the next question's NEXT.
    QString announcement_;
};

extern FormRef<QuestWindow> quest;
