#pragma once
// A property page or dialog without widgets: its control table, what every
// control shows, and what the user does to a control by its id (replace a
// text, choose an item, click, take the focus away). The Qt view, the
// `uzx edit` scripts and the tests all drive it through these four events
// and read the controls' states after each.
//
// A page or dialog derives from it: it lists its controls, binds most of
// them to fields of its working record (binding.h), and adds its own rules in
// the On... handlers and in Update, which runs after every event.
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designer/editors/binding.h"
#include "designer/editors/control.h"
#include "designer/editors/editor_context.h"
#include "designer/editors/key_codes.h"

namespace editors {

// Why an event was refused; nothing changed then.
enum class EventError {
    None,
    UnknownControl,
    Disabled,     // disabled or hidden
    WrongKind,    // text for a control that is no text box, an item for one that is no list...
    NoSuchItem,   // an item index outside the list
};

// "control 455 is disabled" and the like.
std::string DescribeError(EventError error, int id);

class DialogModel {
public:
    virtual ~DialogModel() = default;
    DialogModel(const DialogModel&) = delete;
    DialogModel& operator=(const DialogModel&) = delete;

    // The template name ("FORMDLG", "GridDlg"): the Qt dialog's objectName.
    const std::string& TemplateName() const { return templateName_; }
    // The window title of a dialog, the tab title of a page; UTF-8.
    const std::string& Title() const { return title_; }
    const std::vector<ControlSpec>& Controls() const { return controlSpecs_; }
    const ControlSpec* ControlSpecOf(int id) const;
    // Null for an id the dialog does not have.
    const ControlState* State(int id) const;

    EventError SetText(int id, std::string_view utf8);
    EventError Choose(int id, int index);
    EventError Click(int id);
    EventError FocusOut(int id);

    // OK of a sub-dialog: whether it closes keeping its changes. A dialog that
    // finds its input incomplete tells the user and stays open.
    bool Ok() { return Accept(); }
    // Cancel, Esc or closing the window: every record the dialog backed up
    // when it opened gets its bytes back.
    void Cancel();

    // A sub-dialog this one opened has closed, with OK or not: OnDialogClosed
    // runs, then every bound control shows its stored value again (the
    // dialog's OK may have changed it, its Cancel given back the old one).
    void SubDialogClosed(DialogModel& dialog, bool accepted);

protected:
    DialogModel(EditorContext& context, std::string templateName, std::string title, std::vector<ControlSpec> controls);

    EditorContext& Context() { return context_; }
    ControlState& Control(int id);
    void Enable(int id, bool enabled) { Control(id).enabled = enabled; }
    void SetVisible(int id, bool visible) { Control(id).visible = visible; }
    // What a control shows: an edit box's text, any other control's caption.
    void ShowText(int id, std::string utf8) { Control(id).text = std::move(utf8); }
    // A list's new items; its selection follows its binding (none when unbound).
    void SetItems(int id, std::vector<std::string> items);

    void Bind(int id, std::unique_ptr<Binding> binding);
    // Every bound control shows its stored value (a record is shown), then Update.
    void LoadControls();

    // A key-code box over at most `capacity` codes, at first those `stored`
    // holds. A click on it opens the grid dialog on its codes; the grid's OK
    // replaces them, its Cancel keeps them. The dialog stores them where they
    // belong on its own OK.
    void AddKeyCodeBox(int id, std::size_t capacity, std::span<const task::Byte> stored);
    const KeyCodes& CodesOf(int id) const { return keyCodes_.at(id); }
    // Other codes for a box (a preset set, a clearing), shown at once.
    void SetCodes(int id, KeyCodes codes);

    // Keeps a copy of `record` that Cancel writes back.
    void BackUp(std::span<task::Byte> record);
    void OpenDialog(std::unique_ptr<DialogModel> dialog) { context_.Dialogs().Open(std::move(dialog), *this); }

    // After the bound control (if any) has stored the user's change.
    virtual void OnEdited(int /*id*/) {}
    virtual void OnChosen(int /*id*/, int /*previous*/) {}
    virtual void OnClicked(int /*id*/) {}
    virtual void OnFocusLost(int /*id*/) {}
    virtual void OnDialogClosed(DialogModel& /*dialog*/, bool /*accepted*/) {}
    // The rules that follow from the stored values (which controls are
    // enabled, captions that change), after every event.
    virtual void Update() {}
    virtual bool Accept() { return true; }
    virtual void Rejected() {}

private:
    struct Backup {
        std::span<task::Byte> record;
        std::vector<task::Byte> bytes;
    };

    EventError Usable(int id, ControlKind kind) const;
    void AfterEvent();
    void OpenGrid(int box);

    EditorContext& context_;
    std::string templateName_;
    std::string title_;
    std::vector<ControlSpec> controlSpecs_;
    std::map<int, ControlState> states_;
    std::map<int, std::unique_ptr<Binding>> bindings_;
    std::vector<Backup> backups_;
    std::map<int, KeyCodes> keyCodes_;
    int gridBox_ = 0;  // the key-code box whose grid is open; 0 for none
};

}  // namespace editors
