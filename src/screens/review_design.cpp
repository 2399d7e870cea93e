#include "screens/designs.h"

namespace {

constexpr auto heading_font = ms_sans_serif(9.75, true);
constexpr auto text_font = ms_sans_serif(9.75);
constexpr int left_column = 720, right_column = 5640;
constexpr int aid_row_1 = 5640, aid_row_2 = 6000, button_row = 7080;

// The rows and the chapter scores are filled when the window opens; the selected row's question
// fills the text on the right.
// clang-format off
constexpr ControlDesign controls[] = {
    // name, kind, index, caption, left, top, width, height, tab, accessible name, font, flags,
    // back, fore, parent, picture
    {"Image1", ControlKind::Image, 0, nullptr, 0, 0, 615, 7695, -1, "www.tarvex-tests.example",
     {}, NoFlags, {}, {}, nullptr, ":/assets/band.png"},
    {"show_rows", ControlKind::OptionButton, 1, "&All questions", left_column, 120, 2175, 315, 1,
     "Show all questions", heading_font, Checked},
    {"show_rows", ControlKind::OptionButton, 2, "&Missed only", 3000, 120, 2175, 315, 2,
     "Show the missed questions only", heading_font},
    {"answers", ControlKind::Table, 0, "#|QID|Result|You|Right", left_column, 480, 4800, 4080, 0,
     "Graded questions", text_font},
    {"Label1", ControlKind::Label, 0, "Scores by chapter:", left_column, 4680, 4800, 255, -1,
     nullptr, heading_font},
    {"scores", ControlKind::Panel, 0, nullptr, left_column, 4980, 4800, 1980, 10,
     "Scores by chapter", text_font},
    {"detail", ControlKind::TextBox, 0, "", right_column, 120, 5040, 5400, 3,
     "Selected question", text_font, MultiLine | VerticalScroll | Locked},
    {"diagrambutton", ControlKind::CommandButton, 1, "Diagram #1", right_column, aid_row_1, 1575,
     315, 4, nullptr, {}, Hidden},
    {"diagrambutton", ControlKind::CommandButton, 2, "Diagram #2", 7320, aid_row_1, 1575, 315, 5,
     nullptr, {}, Hidden},
    {"diagrambutton", ControlKind::CommandButton, 3, "Diagram #3", 9000, aid_row_1, 1575, 315, 6,
     nullptr, {}, Hidden},
    {"exhibitbutton", ControlKind::CommandButton, 1, "Exhibit #1", right_column, aid_row_2, 1575,
     315, 7, nullptr, {}, Hidden},
    {"exhibitbutton", ControlKind::CommandButton, 2, "Exhibit #2", 7320, aid_row_2, 1575, 315, 8,
     nullptr, {}, Hidden},
    {"exhibitbutton", ControlKind::CommandButton, 3, "Exhibit #3", 9000, aid_row_2, 1575, 315, 9,
     nullptr, {}, Hidden},
    {"retake", ControlKind::CommandButton, 0, "&Retake the missed questions", right_column,
     button_row, 3135, 495, 11, nullptr, ms_sans_serif(8.25, true)},
    {"Closeb", ControlKind::CommandButton, 0, "&Close", 8880, button_row, 1800, 495, 12, nullptr,
     ms_sans_serif(8.25, true)},
};
// clang-format on

} // namespace

const WindowDesign review_design = {
    .name = "Review",
    .title = "Review",
    .client_width = 10800,
    .client_height = 7695,
    .frame = FrameStyle::Sizable,
    .back = {},
    .font = ms_sans_serif(8.25),
    .resize = true,
    .controls = controls,
};
