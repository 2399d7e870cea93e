#include "screens/designs.h"

namespace {

constexpr auto heading_font = ms_sans_serif(9.75, true);
constexpr auto text_font = ms_sans_serif(9.75);
constexpr auto button_font = ms_sans_serif(8.25, true);

// The heading says which quiz this was and how it went; the rows and the chapter scores are
// filled when the window opens, and the selected row's question fills the text on the right.
// clang-format off
constexpr ControlDesign controls[] = {
    {.name = "Image1", .kind = ControlKind::Image, .width = 615, .tab = -1,
     .accessible = "www.tarvex-tests.example", .flags = FixedWidth,
     .picture = ":/assets/band.png", .cell = {0, 0, 8, 1}},
    {.name = "heading", .kind = ControlKind::Label, .caption = "", .tab = -1,
     .accessible = "Quiz", .font = heading_font, .cell = {0, 1, 1, 2}},
    {.name = "show_rows", .kind = ControlKind::OptionButton, .index = 1,
     .caption = "&All questions", .tab = 1, .accessible = "Show all questions",
     .font = heading_font, .flags = Checked, .cell = {1, 1}},
    {.name = "show_rows", .kind = ControlKind::OptionButton, .index = 2,
     .caption = "&Missed only", .tab = 2, .accessible = "Show the missed questions only",
     .font = heading_font, .cell = {1, 1}},
    {.name = "answers", .kind = ControlKind::Table, .caption = "#|QID|Result|You|Right",
     .width = 3000, .height = 1200, .tab = 0, .accessible = "Graded questions",
     .font = text_font, .cell = {2, 1, 3, 1}},
    {.name = "Label1", .kind = ControlKind::Label, .caption = "Scores by chapter:", .tab = -1,
     .font = heading_font, .cell = {5, 1, 1, 2}},
    {.name = "scores", .kind = ControlKind::Table, .caption = "Chapter|Right|Percent",
     .height = 900, .tab = 10, .accessible = "Scores by chapter", .font = text_font,
     .cell = {6, 1, 1, 2}},
    {.name = "detail", .kind = ControlKind::TextBox, .caption = "", .width = 3000, .tab = 3,
     .accessible = "Selected question", .font = text_font,
     .flags = MultiLine | VerticalScroll | Locked, .cell = {1, 2, 2, 1}},
    {.name = "diagrambutton", .kind = ControlKind::CommandButton, .index = 1,
     .caption = "Diagram #1", .tab = 4, .flags = Hidden, .cell = {3, 2}},
    {.name = "diagrambutton", .kind = ControlKind::CommandButton, .index = 2,
     .caption = "Diagram #2", .tab = 5, .flags = Hidden, .cell = {3, 2}},
    {.name = "diagrambutton", .kind = ControlKind::CommandButton, .index = 3,
     .caption = "Diagram #3", .tab = 6, .flags = Hidden, .cell = {3, 2}},
    {.name = "exhibitbutton", .kind = ControlKind::CommandButton, .index = 1,
     .caption = "Exhibit #1", .tab = 7, .flags = Hidden, .cell = {4, 2}},
    {.name = "exhibitbutton", .kind = ControlKind::CommandButton, .index = 2,
     .caption = "Exhibit #2", .tab = 8, .flags = Hidden, .cell = {4, 2}},
    {.name = "exhibitbutton", .kind = ControlKind::CommandButton, .index = 3,
     .caption = "Exhibit #3", .tab = 9, .flags = Hidden, .cell = {4, 2}},
    {.name = "retake", .kind = ControlKind::CommandButton,
     .caption = "&Retake the missed questions", .height = 495, .tab = 11, .font = button_font,
     .cell = {7, 1, 1, 2}},
    {.name = "save_pdf", .kind = ControlKind::CommandButton, .caption = "Save PD&F",
     .height = 495, .tab = 12, .accessible = "Save the review as PDF", .font = button_font,
     .flags = Hidden, .cell = {7, 1, 1, 2}},
    {.name = "Closeb", .kind = ControlKind::CommandButton, .caption = "&Close", .width = 1800,
     .height = 495, .tab = 13, .font = button_font, .cell = {7, 1, 1, 2}},
};
constexpr int rows[] = {0, 0, 3, 0, 0, 0, 2, 0};
constexpr int columns[] = {0, 2, 3};
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
    .resize = false,
    .controls = controls,
    .row_stretch = rows,
    .column_stretch = columns,
};
