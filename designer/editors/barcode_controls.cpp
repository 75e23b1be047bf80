#include "designer/editors/barcode_controls.h"

#include <cstdio>

#include "designer/editors/item_lists.h"

namespace editors::barcode {
namespace {

using K = ControlKind;

// A key-code box holds the two codes of a code ID; its text names them,
// a variable's name at the longest (" variable1", in Russian 12 characters).
constexpr std::size_t kCodesPerBox = task::startup::kCodeIdWidth;
constexpr int kBoxChars = 12;

// A check box that is checked while its bit is clear: the byte stores the opposite of what it asks.
class InvertedCheck final : public Binding {
public:
    explicit InvertedCheck(Field field) : field_(std::move(field)) {}
    void Load(ControlState& state) const override { state.checked = field_.Get() == 0; }
    void Clicked(ControlState& state) const override {
        field_.Set(Toggled(field_.Get()));
        Load(state);
    }

private:
    Field field_;
};

std::string TwoDigits(int number) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

// Lays controls out one row under the other.
class Column {
public:
    void Check(std::vector<ControlSpec>& controlSpecs, const FieldRow& row) {
        controlSpecs.push_back({row.id, K::Check, row.textId, {0, next_++, 0, 2}});
    }
    void Radios(std::vector<ControlSpec>& controlSpecs, const FieldRow& row) {
        const int group = unnumbered_++;
        controlSpecs.push_back({group, K::Group, row.textId, {0, next_++, 0, 2}});
        for (std::size_t i = 0; i < row.choices.size(); ++i) {
            controlSpecs.push_back({row.id + static_cast<int>(i), K::Radio, row.choices[i].textId, {group}});
        }
    }
    // A label and its box or list on one row of `group`.
    void Labelled(std::vector<ControlSpec>& controlSpecs, int group, int row, int id, ControlKind kind, int labelId,
                  int chars) {
        controlSpecs.push_back({unnumbered_++, K::Label, labelId, {group, row, 0}});
        controlSpecs.push_back({id, kind, 0, {group, row, 1, 1, chars}});
    }
    void Labelled(std::vector<ControlSpec>& controlSpecs, const FieldRow& row, ControlKind kind, int chars) {
        Labelled(controlSpecs, 0, next_++, row.id, kind, row.textId, chars);
    }
    // A label and a key-code box per slot of the field, in two columns.
    void KeyCodeBoxes(std::vector<ControlSpec>& controlSpecs, const FieldRow& row) {
        const int area = unnumbered_++;
        controlSpecs.push_back({area, K::Group, 0, {0, next_++, 0, 2}});
        const int slots = static_cast<int>(row.size / kCodesPerBox);
        const int rows = (slots + 1) / 2;
        for (int slot = 0; slot < slots; ++slot) {
            const int column = 2 * (slot / rows);
            controlSpecs.push_back({unnumbered_++, K::Label, row.textId + slot, {area, slot % rows, column}});
            controlSpecs.push_back({row.id + slot, K::KeyCodes, 0, {area, slot % rows, column + 1, 1, kBoxChars}});
        }
    }
    void Buttons(std::vector<ControlSpec>& controlSpecs, std::vector<ControlSpec> buttons) {
        if (buttons.empty()) return;
        const int area = unnumbered_++;
        controlSpecs.push_back({area, K::Group, 0, {0, next_++, 0, 2}});
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i].place = {area, 0, static_cast<int>(i)};
            controlSpecs.push_back(buttons[i]);
        }
    }
    // The character box and the code box of one byte, framed.
    void CharacterEdits(std::vector<ControlSpec>& controlSpecs, const FieldRow& row) {
        const int group = unnumbered_++;
        controlSpecs.push_back({group, K::Group, row.textId, {0, next_++, 0, 2}});
        Labelled(controlSpecs, group, 0, row.id, K::Edit, row.textId + 1, 2);
        Labelled(controlSpecs, group, 1, row.id + 1, K::Edit, row.textId + 2, 4);
    }

private:
    int next_ = 0;
    int unnumbered_ = kFirstUnnumberedId;
};

}  // namespace

Field FieldIn(task::TaskModel& model, const FieldRow& row) {
    editors::Locate at = [&model, &row] { return FieldBytes(model, row); };
    if (row.shape == Shape::Word) return Field::Word(std::move(at));
    return Field::Bits(std::move(at), row.bits);
}

std::unique_ptr<Binding> RowBinding(const FieldRow& row, Field field, std::size_t choice) {
    switch (row.control) {
        case ControlType::Check: return CheckBinding(std::move(field));
        case ControlType::InvertedCheck: return std::make_unique<InvertedCheck>(std::move(field));
        case ControlType::Radios: return RadioBinding(std::move(field), row.choices[choice].value);
        case ControlType::List: return ListBinding(std::move(field), row.items.firstValue);
        default: return nullptr;
    }
}

std::vector<std::string> ListItems(EditorContext& context, const Items& items) {
    switch (items.kind) {
        case Items::Kind::Strings: return TextItems(context, items.first, items.count);
        case Items::Kind::Numbered: return NumberedItems(context, items.first, items.count);
        case Items::Kind::TwoDigits: {
            std::vector<std::string> numbers;
            for (int n = 0; n < items.count; ++n) numbers.push_back(TwoDigits(items.firstValue + n));
            return numbers;
        }
        case Items::Kind::None: break;
    }
    return {};
}

std::vector<ControlSpec> DialogControls(Editor editor, std::vector<ControlSpec> buttons) {
    std::vector<ControlSpec> controlSpecs;
    Column column;
    for (const FieldRow& row : Fields()) {
        if (row.editor != editor) continue;
        switch (row.control) {
            case ControlType::Check:
            case ControlType::InvertedCheck: column.Check(controlSpecs, row); break;
            case ControlType::Radios: column.Radios(controlSpecs, row); break;
            case ControlType::Edit: column.Labelled(controlSpecs, row, K::Edit, 4); break;
            case ControlType::List: column.Labelled(controlSpecs, row, K::Combo, 0); break;
            case ControlType::CharacterEdits: column.CharacterEdits(controlSpecs, row); break;
            case ControlType::KeyCodes: column.KeyCodeBoxes(controlSpecs, row); break;
            case ControlType::None: break;
        }
    }
    column.Buttons(controlSpecs, std::move(buttons));
    return controlSpecs;
}

}  // namespace editors::barcode
