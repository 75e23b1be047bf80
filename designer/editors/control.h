#pragma once
// The controls of a page or dialog: what the template holds (kind, caption,
// place) and what each shows at a moment (text, items, state). The Qt layer
// builds its widgets from the first and refreshes them from the second;
// scripts and tests read the second.
#include <optional>
#include <string>
#include <vector>

namespace editors {

enum class ControlKind {
    Label,   // static text; its text may change
    Edit,    // one-line text box
    Check,   // check box
    Radio,   // radio button; the model checks and unchecks the buttons of a group
    Combo,   // drop-down list
    Button,  // push button
    Group,   // a container: a framed group box when it has a caption, else a plain area
    KeyCodes,  // a key-code box: shows the names of its codes, takes no typing; a click opens the grid
    KeyGrid,   // the grid dialog's 16 x 16 cells of key codes: item n is code n, choosing it is a click on its cell
    Readout,   // a line of text the user cannot change, in a sunken white frame
};

// Where a control sits: a cell of its container's grid.
struct Place {
    int group = 0;  // the Group control it sits in; 0 for the page or dialog itself
    int row = -1;   // -1: the row after the last one its container uses so far
    int column = 0;
    int columnSpan = 1;
    int chars = 0;         // a box's width in characters, its least and, unless it stretches, its most; 0 for the natural width
    bool stretch = false;  // the control's column takes the width to spare
};

struct ControlSpec {
    int id;
    ControlKind kind;
    int textId = 0;  // string id of the caption; 0 when the model sets the caption itself
    Place place{};
};

// Labels the template gives no id of their own are numbered from here, in table order.
constexpr int kFirstUnnumberedId = 9001;

// A colour of a static text that stands out, 0..255 each.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct ControlState {
    std::string text;  // UTF-8: what an edit box holds; the caption of every other kind
    std::vector<std::string> items;  // a list's items
    int selection = -1;              // a list's selected item; -1 for none
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool gridOpen = false;  // a key-code box whose grid dialog is open
    // A label's own text colour; none for the system's (a disabled label is drawn grey).
    std::optional<Rgb> color;
};

}  // namespace editors
