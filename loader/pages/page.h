#pragma once
// A page of Tarvel's main form without its widgets: a table of its controls
// and where they sit, what each numbered control shows, and the commands,
// driven by control id. The Qt page builds its widgets from the table and
// only translates; the tests drive the same ids with a scripted UI port.
#include <functional>
#include <string>
#include <vector>

namespace loader::pages {

enum class ControlKind { Group, Label, Field, Button, List, Banner };

// Controls without a number of their own (group boxes, labels) are numbered
// from here, in table order, so a view can still name them.
constexpr int kFirstUnnumberedId = 9001;
// A control placed on the page itself rather than in a group box.
constexpr int kOnPage = 0;

struct ControlSpec {
    int id;
    ControlKind kind;
    int textId;  // its text in the loader's table; 0 when its state gives the text
    int group = kOnPage;  // the id of the group box it sits in
    int row = 0;          // in the grid of its group (or of the page)
    int column = 0;
    int columnSpan = 1;
};

struct ControlState {
    std::string text;  // Windows-1251; a native path when `isPath`
    bool isPath = false;
    std::vector<std::string> items;  // a list's entries, Windows-1251
    int selection = -1;              // a list's chosen entry; -1 for none
    bool visible = true;
};

class Page {
public:
    virtual ~Page() = default;

    virtual const std::vector<ControlSpec>& Controls() const = 0;
    virtual ControlState State(int id) const = 0;

    virtual void Click(int id) = 0;
    virtual void Choose(int id, int index) = 0;

    // Called inside a long command when the page must be seen as it is now
    // (the cradle search's banner); the view redraws itself from State.
    std::function<void()> redraw;

protected:
    void Redraw() const {
        if (redraw) redraw();
    }
};

}  // namespace loader::pages
