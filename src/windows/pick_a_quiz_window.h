#pragma once

#include "shell/form_ref.h"

struct QuizOptions;

class PickAQuizWindow : public Form {
    Q_OBJECT
public:
    PickAQuizWindow();

    void Command1_Click();
    void focus_start_button();
    // The options as the controls show them.
    QuizOptions chosen_options() const;

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

extern FormRef<PickAQuizWindow> pick_a_quiz;
