#include "screens/designs.h"

namespace {

constexpr auto choice_font = ms_sans_serif(12, true);
constexpr auto abox_font = ms_sans_serif(9.75);
constexpr int row_1 = 1560, row_2 = 2160, row_3 = 2760, row_4 = 3360, row_5 = 3960, row_6 = 4560;

// The answer buttons' names carry the choice beside them once a question is shown.
// clang-format off
constexpr ControlDesign controls[] = {
    // name, kind, index, caption, left, top, width, height, tab, accessible name, font, flags,
    // back, fore
    {"Image1", ControlKind::Image, 0, nullptr, 0, 0, 615, 6375, -1, "www.tarvex-tests.example",
     {}, NoFlags, {}, {}, nullptr, ":/assets/band.png"},
    {"Q1", ControlKind::TextBox, 0, "", 720, 120, 7815, 1335, 0, "Question",
     ms_sans_serif(12), MultiLine | VerticalScroll | Locked},

    {"QChoice", ControlKind::AnswerButton, 1, "A>", 840, row_1, 735, 495, 27, "Answer A",
     choice_font},
    {"QChoice", ControlKind::AnswerButton, 2, "B>", 840, row_2, 735, 495, 28, "Answer B",
     choice_font},
    {"QChoice", ControlKind::AnswerButton, 3, "C>", 840, row_3, 735, 495, 29, "Answer C",
     choice_font},
    {"QChoice", ControlKind::AnswerButton, 4, "D>", 840, row_4, 735, 495, 30, "Answer D",
     choice_font},
    {"QChoice", ControlKind::AnswerButton, 5, "E>", 840, row_5, 735, 495, 31, "Answer E",
     choice_font},
    {"QChoice", ControlKind::AnswerButton, 6, "F>", 840, row_6, 735, 495, 32, "Answer F",
     choice_font},
    // Left unlocked: abox(1) is also the box a typed answer is written in. While it shows a choice
    // the question window makes it read-only.
    {"abox", ControlKind::TextBox, 1, "", 1680, row_1, 6900, 495, 1, "Choice A", abox_font,
     MultiLine | NoBorder},
    {"abox", ControlKind::TextBox, 2, "", 1680, row_2, 6900, 495, 2, "Choice B", abox_font,
     MultiLine | NoBorder | Locked},
    {"abox", ControlKind::TextBox, 3, "", 1680, row_3, 6900, 495, 3, "Choice C", abox_font,
     MultiLine | NoBorder | Locked},
    {"abox", ControlKind::TextBox, 4, "", 1680, row_4, 6900, 495, 4, "Choice D", abox_font,
     MultiLine | NoBorder | Locked},
    {"abox", ControlKind::TextBox, 5, "", 1680, row_5, 6900, 495, 5, "Choice E", abox_font,
     MultiLine | NoBorder | Locked},
    {"abox", ControlKind::TextBox, 6, "", 1680, row_6, 6900, 495, 6, "Choice F", abox_font,
     MultiLine | NoBorder | Locked},

    {"typestuff", ControlKind::Label, 0, "Please Type Answer in Box Above", 2760, 2160, 4575, 375,
     25, nullptr, choice_font, Hidden},

    {"cluebutton", ControlKind::CommandButton, 0, "CLUE", 720, 5160, 615, 375, 24, "Clue"},
    {"diagrambutton", ControlKind::CommandButton, 1, "Diagram #1", 1440, 5160, 1095, 315, 17},
    {"diagrambutton", ControlKind::CommandButton, 2, "Diagram #2", 2640, 5160, 1095, 315, 18},
    {"diagrambutton", ControlKind::CommandButton, 3, "Diagram #3", 3840, 5160, 1095, 315, 19},
    {"exhibitbutton", ControlKind::CommandButton, 1, "Exhibit #1", 5040, 5160, 1095, 315, 20},
    {"exhibitbutton", ControlKind::CommandButton, 2, "Exhibit #2", 6240, 5160, 1095, 315, 21},
    {"exhibitbutton", ControlKind::CommandButton, 3, "Exhibit #3", 7440, 5160, 1095, 315, 22},

    {"quitquiz", ControlKind::CommandButton, 0, "Quit Test", 720, 5640, 855, 495, 26},
    {"Directions", ControlKind::Label, 0, "", 1920, 5640, 4575, 375, 8, nullptr,
     ms_sans_serif(9.75, true)},
    {"NextButton", ControlKind::CommandButton, 0, "&NEXT ->", 6720, 5520, 1815, 615, 7, "Next",
     ms_sans_serif(8.25, true)},

    // The status column; a line is given by its end points.
    {"Line3", ControlKind::Line, 0, nullptr, 8640, 1080, 8640, 5280, -1},
    {"Label3", ControlKind::Label, 0, "Question#", 8640, 120, 735, 255, 13},
    {"question_number", ControlKind::Label, 0, "", 8640, 480, 615, 375, 15, "Question number",
     ms_sans_serif(13.5)},
    {"Gauge1", ControlKind::PictureBox, 0, nullptr, 8760, 1080, 495, 1815, 9, "Percent right gauge",
     {}, Percentage, navy, red},
    {"the_gauge", ControlKind::PictureBox, 0, nullptr, 8760, 1080, 495, 15, 23, nullptr,
     {}, NoFlags, red, red},
    {"Percent_Right", ControlKind::Label, 0, "", 8880, 3000, 495, 255, 10, "Percent right"},
    {"Line2", ControlKind::Line, 0, nullptr, 8760, 3360, 9360, 3360, -1},
    {"Label2", ControlKind::Label, 0, "Score:", 8760, 3480, 735, 255, 12},
    {"score", ControlKind::Label, 0, "", 8760, 3840, 615, 255, 11, "Score"},
    {"Line1", ControlKind::Line, 0, nullptr, 8760, 4200, 9360, 4200, -1},
    {"Label4", ControlKind::Label, 0, "QID:", 8760, 4440, 1095, 255, 14},
    {"qid", ControlKind::Label, 0, "", 9120, 4680, 375, 255, 16, "Question ID"},
};
// clang-format on

} // namespace

const WindowDesign quest_design = {
    .name = "quest",
    .title = "Tarvex Tests - www.tarvex-tests.example",
    .client_width = 9435,
    .client_height = 6345,
    .frame = FrameStyle::Sizable,
    .back = {},
    .font = ms_sans_serif(8.25),
    .resize = true,
    .controls = controls,
};
