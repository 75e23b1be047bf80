#pragma once
// A control bound to a field of a record: it shows the stored value and
// stores what the user does, following the shared edit-control rules. Most
// controls of the pages and dialogs are nothing more; a page adds its own
// rules on top.
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

#include "designer/editors/control.h"
#include "designer/editors/edit_rules.h"
#include "designer/editors/field.h"

namespace editors {

class Binding {
public:
    virtual ~Binding() = default;
    // Shows the stored value, an edit box's text included (a record is shown).
    virtual void Load(ControlState& state) const = 0;
    // Shows what follows from the stored value alone, after every event: a
    // check mark, a radio mark or a list's selection, never an edit box's
    // text (the user may be typing in it).
    virtual void Sync(ControlState& state) const { Load(state); }
    // The user replaced the text (state.text holds it): store and correct it.
    virtual void Edited(ControlState&) const {}
    // The user chose an item (state.selection holds it).
    virtual void Chosen(ControlState&) const {}
    virtual void Clicked(ControlState&) const {}
};

// Checked when the field is not 0; a click toggles it between 0 and 1.
std::unique_ptr<Binding> CheckBinding(Field field);

// The item a field selects; item n stands for the value n + firstValue. A
// value with no item selects none and stays until the user chooses.
std::unique_ptr<Binding> ListBinding(Field field, int firstValue = 0);

// Checked when the field holds `value`; a click stores it.
std::unique_ptr<Binding> RadioBinding(Field field, int value);

// A number box within minimum..maximum.
std::unique_ptr<Binding> NumberBinding(Field field, int minimum, int maximum);

// A number box with a rule of its own (box_rules.h): what it stores and shows
// after the user's change, given the text and the value stored before.
using NumberRule = std::function<NumberEntry(std::string_view text, int stored)>;
std::unique_ptr<Binding> NumberBinding(Field field, NumberRule rule);

// A text box of at most limit() characters (the limit may follow a font).
std::unique_ptr<Binding> TextBinding(TextSlot slot, std::function<std::size_t()> limit);

// What a box lets through of a text (Windows-1251) already cut to its limit.
using TextFilter = std::function<std::string(const std::string&)>;
// A text box whose text passes `filter` after the cut; what the filter
// leaves is stored and shown.
std::unique_ptr<Binding> TextBinding(TextSlot slot, std::function<std::size_t()> limit, TextFilter filter);

// A box of one character stored in one byte: a longer text keeps its first
// character. An emptied box stores 0, or keeps the stored character when
// `keepWhenEmpty` (a separator that is never nothing).
std::unique_ptr<Binding> CharacterBinding(Field field, bool keepWhenEmpty);

}  // namespace editors
