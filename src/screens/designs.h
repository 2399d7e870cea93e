#pragma once

#include "screens/design.h"

extern const WindowDesign welcome_design;
extern const WindowDesign pick_a_quiz_design;
extern const WindowDesign quest_design;
extern const WindowDesign theanswer_design;
extern const WindowDesign diagram_design;
extern const WindowDesign exhibit_design;
extern const WindowDesign review_design;
extern const WindowDesign progress_design;
