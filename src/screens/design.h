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
    Table,   // rows of columns; the caption names the columns, split by |
    SpinBox, // a whole number; the window sets its range
    Plot,    // the chapters' scores across attempts, drawn
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
    FixedWidth = 1U << 7, // in a grid: the design width exactly, whatever the window's width
};

// Where a control sits in a window laid out as a grid: its row and column and how many of each it
// spans. Controls that share a cell sit side by side in the order of the table.
struct GridCell {
    int row = 0, column = 0, rows = 1, columns = 1;
};

struct ControlDesign {
    const char* name;
    ControlKind kind;
    int index = 0; // member of a control array, 0 when the control is not one
    const char* caption = nullptr;
    int left = 0, top = 0, width = 0, height = 0; // a line gives its end points: x1, y1, x2, y2
    int tab = -1; // place in the tab order, -1 when the control takes none
    // What screen readers call the control; null: its caption. A label with a name of its own
    // shows a value: the name says what it is, the label's text is the value.
    const char* accessible = nullptr;
    FontDesign font = {};
    unsigned flags = NoFlags;
    std::optional<QRgb> back = {};
    std::optional<QRgb> fore = {};
    const char* parent = nullptr;  // the frame that holds the control, by name
    const char* picture = nullptr; // resource path of an image's picture
    GridCell cell = {};            // in a grid window; its width and height are then minimums
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
    // A grid window gives the stretch of each row and column: it grows with the window, and opens
    // at its design size or its screen's, the smaller.
    std::span<const int> row_stretch = {};
    std::span<const int> column_stretch = {};
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
