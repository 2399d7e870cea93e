#pragma once

#include "shell/form_ref.h"

class WelcomeWindow : public Form {
    Q_OBJECT
public:
    WelcomeWindow();

    void Start_Quiz_Click();
    void Command1_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

extern FormRef<WelcomeWindow> Welcome;
