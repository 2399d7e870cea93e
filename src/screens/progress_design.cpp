#include "screens/designs.h"

namespace {

constexpr auto heading_font = ms_sans_serif(9.75, true);
constexpr auto text_font = ms_sans_serif(9.75);
constexpr auto button_font = ms_sans_serif(8.25, true);

// Study mode's home: the attempts so far on the left, a plot of the chapters' scores and how the
// next quiz runs on the right, the chapters across below them, then the quizzes to start, the
// reports and Close. Ticked chapters are the ones "Practice chapters" asks from.
// clang-format off
constexpr ControlDesign controls[] = {
    {.name = "Image1", .kind = ControlKind::Image, .width = 615, .tab = -1,
     .accessible = "www.tarvex-tests.example", .flags = FixedWidth,
     .picture = ":/assets/band.png", .cell = {0, 0, 12, 1}},
    {.name = "heading", .kind = ControlKind::Label, .caption = "", .tab = -1,
     .accessible = "Progress", .font = heading_font, .cell = {0, 1, 1, 2}},
    {.name = "Label1", .kind = ControlKind::Label, .caption = "Attempts, newest first:",
     .tab = -1, .font = heading_font, .cell = {1, 1}},
    {.name = "attempts", .kind = ControlKind::Table, .caption = "When|Quiz|Right|Percent|Time",
     .width = 3000, .height = 900, .tab = 0, .accessible = "Attempts", .font = text_font,
     .cell = {2, 1, 6, 1}},
    {.name = "Label2", .kind = ControlKind::Label, .caption = "Percent right by chapter:",
     .tab = -1, .font = heading_font, .cell = {1, 2}},
    {.name = "plot", .kind = ControlKind::Plot, .width = 2700, .tab = 1,
     .accessible = "Percent right by chapter, attempt by attempt", .font = text_font,
     .cell = {2, 2}},
    {.name = "Label3", .kind = ControlKind::Label,
     .caption = "Chapters, weakest first; tick those to practise:", .tab = -1,
     .font = heading_font, .cell = {8, 1, 1, 2}},
    {.name = "chapters", .kind = ControlKind::Table,
     .caption = "Chapter|Last answers|Percent|Never seen|Due|Right twice", .height = 1200,
     .tab = 8, .accessible = "Chapters", .font = text_font, .cell = {9, 1, 1, 2}},
    {.name = "Label4", .kind = ControlKind::Label, .caption = "&Questions:", .tab = -1,
     .cell = {3, 2}},
    {.name = "question_count", .kind = ControlKind::SpinBox, .tab = 2,
     .accessible = "Number of questions", .cell = {3, 2}},
    {.name = "Label5", .kind = ControlKind::Label, .caption = "&Minutes, 0 for no clock:",
     .tab = -1, .cell = {4, 2}},
    {.name = "minutes", .kind = ControlKind::SpinBox, .tab = 3,
     .accessible = "Time limit in minutes, 0 for none", .cell = {4, 2}},
    {.name = "answer_when_wrong", .kind = ControlKind::CheckBox,
     .caption = "Show the answer when &wrong", .tab = 4, .flags = Checked, .cell = {5, 2}},
    {.name = "answer_when_right", .kind = ControlKind::CheckBox,
     .caption = "Show the answer when r&ight", .tab = 5, .cell = {6, 2}},
    {.name = "random_questions", .kind = ControlKind::CheckBox, .caption = "Shuffle q&uestions",
     .tab = 6, .flags = Checked, .cell = {7, 2}},
    {.name = "random_answers", .kind = ControlKind::CheckBox, .caption = "Shuffle &answers",
     .tab = 7, .flags = Checked, .cell = {7, 2}},
    {.name = "practice", .kind = ControlKind::CommandButton, .caption = "&Practice chapters",
     .height = 495, .tab = 9, .font = button_font, .cell = {10, 1, 1, 2}},
    {.name = "due", .kind = ControlKind::CommandButton, .caption = "Questions &due",
     .height = 495, .tab = 10, .font = button_font, .cell = {10, 1, 1, 2}},
    {.name = "retake", .kind = ControlKind::CommandButton, .caption = "&Retake last quiz's misses",
     .height = 495, .tab = 11, .accessible = "Retake the missed questions of the last attempt",
     .font = button_font, .cell = {10, 1, 1, 2}},
    {.name = "open_attempt", .kind = ControlKind::CommandButton, .caption = "&Open",
     .height = 495, .tab = 12, .accessible = "Open the selected attempt's review",
     .font = button_font, .cell = {11, 1, 1, 2}},
    {.name = "new_quiz", .kind = ControlKind::CommandButton, .caption = "&New quiz",
     .height = 495, .tab = 13, .font = button_font, .cell = {11, 1, 1, 2}},
    {.name = "save_pdf", .kind = ControlKind::CommandButton, .caption = "Save PD&F",
     .height = 495, .tab = 14, .accessible = "Save this window as PDF", .font = button_font,
     .cell = {11, 1, 1, 2}},
    {.name = "save_csv", .kind = ControlKind::CommandButton, .caption = "Save CS&V",
     .height = 495, .tab = 15, .accessible = "Save the attempts as CSV", .font = button_font,
     .cell = {11, 1, 1, 2}},
    {.name = "Closeb", .kind = ControlKind::CommandButton, .caption = "&Close", .height = 495,
     .tab = 16, .font = button_font, .cell = {11, 1, 1, 2}},
};
constexpr int rows[] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 3, 0, 0};
constexpr int columns[] = {0, 3, 2};
// clang-format on

} // namespace

const WindowDesign progress_design = {
    .name = "Progress",
    .title = "Progress",
    .client_width = 11400,
    .client_height = 8400,
    .frame = FrameStyle::Sizable,
    .back = {},
    .font = ms_sans_serif(8.25),
    .resize = false,
    .controls = controls,
    .row_stretch = rows,
    .column_stretch = columns,
};
