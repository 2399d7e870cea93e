#include "screens/designs.h"

namespace {

// clang-format off
// The texts cannot take the focus, so each window's button also carries its text to screen
// readers (set with the text).
constexpr ControlDesign theanswer_controls[] = {
    // name, kind, index, caption, left, top, width, height, tab, accessible name, font, flags
    {"Text1", ControlKind::TextBox, 0, "", 240, 0, 8175, 5055, 1, "The answer",
     {"Courier New", 9}, MultiLine | VerticalScroll},
    {"Closeb", ControlKind::CommandButton, 0, "Close", 6240, 5400, 1935, 375, 0, nullptr,
     ms_sans_serif(8.25)},
};

constexpr ControlDesign diagram_controls[] = {
    {"Image1", ControlKind::Image, 0, nullptr, 120, 120, 8415, 4935, -1, "Diagram"},
    {"Command1", ControlKind::CommandButton, 0, "Close", 3360, 5160, 2055, 375, 0},
};

constexpr ControlDesign exhibit_controls[] = {
    {"Text1", ControlKind::TextBox, 0, "", 120, 120, 8535, 4095, 0, "Exhibit", {},
     MultiLine | VerticalScroll},
    {"Command1", ControlKind::CommandButton, 0, "close", 3600, 4320, 1935, 375, 1, "Close"},
};
// clang-format on

} // namespace

const WindowDesign theanswer_design = {
    .name = "theanswer",
    .title = "The Answer",
    .client_width = 8700,
    .client_height = 5880,
    .frame = FrameStyle::Sizable,
    .back = {},
    .font = {"Courier New", 8.25},
    .resize = false,
    .controls = theanswer_controls,
};

const WindowDesign diagram_design = {
    .name = "Diagram",
    .title = "Diagram",
    .client_width = 8730,
    .client_height = 5595,
    .frame = FrameStyle::Sizable,
    .back = {},
    .font = ms_sans_serif(8.25),
    .resize = true,
    .controls = diagram_controls,
};

const WindowDesign exhibit_design = {
    .name = "Exhibit",
    .title = "Exhibit",
    .client_width = 8775,
    .client_height = 4770,
    .frame = FrameStyle::Sizable,
    .back = {},
    .font = ms_sans_serif(8.25),
    .resize = false,
    .controls = exhibit_controls,
};
