#pragma once

#include <QRgb>

#include <optional>
#include <span>

// A window's static design, as data: every control with its place in twips (1/1440 inch).
enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    Frame,
    Image,
    PictureBox,
    Line,
    AnswerButton,
    Table, // rows of columns; the caption names the columns, split by |
    Panel, // a scrolled area the window fills at run time
};

struct FontDesign {
    const char* family = nullptr; // null: the window's default font
    double points = 0;
    bool bold = false;
};

// Settings beyond place and font; combine with |.
enum ControlFlag : unsigned {
    NoFlags = 0,
    MultiLine = 1U << 0,
    VerticalScroll = 1U << 1,
    Locked = 1U << 2,
    NoBorder = 1U << 3,
    Hidden = 1U << 4,
    Checked = 1U << 5,
    Percentage = 1U << 6, // a picture box that stands for a percentage, for screen readers
};

struct ControlDesign {
    const char* name;
    ControlKind kind;
    int index; // member of a control array, 0 when the control is not one
    const char* caption;
    int left, top, width, height; // a line gives its end points: x1, y1, x2, y2
    int tab;                      // place in the tab order, -1 when the control takes none
    // What screen readers call the control; null: its caption. A label with a name of its own
    // shows a value: the name says what it is, the label's text is the value.
    const char* accessible = nullptr;
    FontDesign font = {};
    unsigned flags = NoFlags;
    std::optional<QRgb> back = {};
    std::optional<QRgb> fore = {};
    const char* parent = nullptr;  // the frame that holds the control, by name
    const char* picture = nullptr; // resource path of an image's picture
};

enum class FrameStyle { FixedDialog, Sizable };

struct WindowDesign {
    const char* name;
    const char* title;
    int client_width, client_height; // twips
    FrameStyle frame;
    std::optional<QRgb> back;
    FontDesign font;
    bool resize; // controls keep their proportion to the client area
    std::span<const ControlDesign> controls;
};

inline constexpr int twips_per_pixel = 15;
inline constexpr QRgb white = 0xFFFFFFFF;
inline constexpr QRgb black = 0xFF000000;
inline constexpr QRgb navy = 0xFF000080;
inline constexpr QRgb red = 0xFFFF0000;
inline constexpr FontDesign ms_sans_serif(double points, bool bold = false)
{
    return {"MS Sans Serif", points, bold};
}
