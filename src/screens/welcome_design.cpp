#include "screens/designs.h"

namespace {

constexpr auto notice =
    "This practice test is for study only. Its questions were written to help you review "
    "networking fundamentals; none is taken from a real examination, and a good score here is no "
    "promise of a pass anywhere else.\r\n\r\n"
    "The content is offered as it is, with no guarantee that it is complete or free of errors, "
    "and the author accepts no liability for its use.\r\n\r\n"
    "This program is not affiliated with, endorsed by or sponsored by any certification body or "
    "any maker of networking equipment.";

// clang-format off
constexpr ControlDesign controls[] = {
    // name, kind, index, caption, left, top, width, height, tab, accessible name, font, flags,
    // back, fore
    {"Image1", ControlKind::Image, 0, nullptr, 240, 120, 9165, 3150, -1,
     "Tarvex Tests: networking practice tests, www.tarvex-tests.example",
     {}, NoFlags, {}, {}, nullptr, ":/assets/banner.jpg"},
    {"test_name", ControlKind::TextBox, 0, "Please Wait........", 240, 3360, 4575, 405, 0,
     "Test title", ms_sans_serif(18, true), NoBorder, white},
    {"lblLabels", ControlKind::Label, 2, "Written By", 1920, 3840, 855, 255, 2, nullptr,
     {}, NoFlags, white, black},
    {"author_name2", ControlKind::TextBox, 0, "", 2880, 3840, 2055, 285, 3, "Written by",
     {}, NoBorder, white, black},
    {"test_description", ControlKind::TextBox, 0, notice, 120, 4080, 4695, 1845, 1, "Notice",
     {"Arial", 8.25}, MultiLine | VerticalScroll | NoBorder, white, black},
    {"Label1", ControlKind::Label, 0, "Please read the notice on the left.", 5040, 4320, 3735,
     255, 6, nullptr, {}, NoFlags, white, black},
    {"Start_Quiz", ControlKind::CommandButton, 0, "I Agree", 5040, 4680, 2175, 615, 4, nullptr,
     ms_sans_serif(12, true)},
    {"Command1", ControlKind::CommandButton, 0, "Exit", 7800, 4680, 1095, 615, 5, nullptr,
     ms_sans_serif(12, true)},
};
// clang-format on

} // namespace

const WindowDesign welcome_design = {
    .name = "Welcome",
    .title = "  ",
    .client_width = 9195,
    .client_height = 6045,
    .frame = FrameStyle::FixedDialog,
    .back = white,
    .font = ms_sans_serif(8.25),
    .resize = false,
    .controls = controls,
};
