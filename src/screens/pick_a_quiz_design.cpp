#include "screens/designs.h"

namespace {

constexpr auto quiz_font = ms_sans_serif(12, true);

// Controls inside a frame are placed from the frame's top-left corner.
// clang-format off
constexpr ControlDesign controls[] = {
    // name, kind, index, caption, left, top, width, height, tab, accessible name, font, flags,
    // back, fore, parent
    {"Frame1", ControlKind::Frame, 0, "Which Quiz", 120, 120, 2295, 2775, 0},
    {"which_quiz", ControlKind::OptionButton, 1, "Quiz #1", 120, 360, 1335, 375, 1, nullptr,
     quiz_font, Checked, {}, {}, "Frame1"},
    {"which_quiz", ControlKind::OptionButton, 2, "Quiz #2", 120, 960, 1335, 375, 2, nullptr,
     quiz_font, NoFlags, {}, {}, "Frame1"},
    {"which_quiz", ControlKind::OptionButton, 3, "Quiz #3", 120, 1560, 1335, 375, 3, nullptr,
     quiz_font, NoFlags, {}, {}, "Frame1"},
    {"which_quiz", ControlKind::OptionButton, 4, "Quiz #4", 120, 2160, 1455, 375, 4, nullptr,
     quiz_font, NoFlags, {}, {}, "Frame1"},
    {"Frame2", ControlKind::Frame, 0, "Show Correct Answer:", 2520, 120, 2055, 1335, 5},
    {"Label1", ControlKind::Label, 0, "when I Answer:", 120, 240, 1575, 375, 8, nullptr,
     {}, NoFlags, {}, {}, "Frame2"},
    {"answer_when_wrong", ControlKind::CheckBox, 0, "WRONG ", 120, 480, 1095, 375, 6,
     "Show the correct answer when I answer wrong", {}, Checked, {}, {}, "Frame2"},
    {"answer_when_right", ControlKind::CheckBox, 0, "RIGHT", 120, 840, 1335, 375, 7,
     "Show the correct answer when I answer right", {}, NoFlags, {}, {}, "Frame2"},
    {"Frame3", ControlKind::Frame, 0, "Randomize", 2520, 1560, 2055, 1095, 9},
    {"random_questions", ControlKind::CheckBox, 0, "Questions", 120, 240, 1095, 375, 10,
     "Randomize the questions", {}, Checked, {}, {}, "Frame3"},
    {"random_answers", ControlKind::CheckBox, 0, "Answers", 120, 600, 1095, 375, 11,
     "Randomize the answers", {}, Checked, {}, {}, "Frame3"},
    {"Command1", ControlKind::CommandButton, 0, "Start the Quiz", 5040, 1200, 2175, 495, 12,
     nullptr, quiz_font},
};
// clang-format on

} // namespace

const WindowDesign pick_a_quiz_design = {
    .name = "pick_a_quiz",
    .title = "Start the QUIZ",
    .client_width = 7410,
    .client_height = 2955,
    .frame = FrameStyle::Sizable,
    .back = {},
    .font = ms_sans_serif(8.25),
    .resize = true,
    .controls = controls,
};
