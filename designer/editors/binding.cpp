#include "designer/editors/binding.h"

#include "common/cp1251.h"
#include "designer/editors/edit_rules.h"

namespace editors {
namespace {

class Check final : public Binding {
public:
    explicit Check(Field field) : field_(std::move(field)) {}
    void Load(ControlState& state) const override { state.checked = field_.Get() != 0; }
    void Clicked(ControlState& state) const override {
        field_.Set(Toggled(field_.Get()));
        Load(state);
    }

private:
    Field field_;
};

class List final : public Binding {
public:
    List(Field field, int firstValue) : field_(std::move(field)), firstValue_(firstValue) {}
    void Load(ControlState& state) const override {
        state.selection = SelectionFor(field_.Get() - firstValue_, state.items.size());
    }
    void Chosen(ControlState& state) const override { field_.Set(state.selection + firstValue_); }

private:
    Field field_;
    int firstValue_;
};

class Radio final : public Binding {
public:
    Radio(Field field, int value) : field_(std::move(field)), value_(value) {}
    void Load(ControlState& state) const override { state.checked = field_.Get() == value_; }
    void Clicked(ControlState& state) const override {
        field_.Set(value_);
        Load(state);
    }

private:
    Field field_;
    int value_;
};

class Number final : public Binding {
public:
    Number(Field field, NumberRule rule) : field_(std::move(field)), rule_(std::move(rule)) {}
    void Load(ControlState& state) const override { state.text = std::to_string(field_.Get()); }
    void Sync(ControlState&) const override {}
    void Edited(ControlState& state) const override {
        const NumberEntry entry = rule_(state.text, field_.Get());
        field_.Set(entry.value);
        state.text = entry.text;
    }

private:
    Field field_;
    NumberRule rule_;
};

class Text final : public Binding {
public:
    Text(TextSlot slot, std::function<std::size_t()> limit, TextFilter filter)
        : slot_(std::move(slot)), limit_(std::move(limit)), filter_(std::move(filter)) {}
    void Load(ControlState& state) const override { state.text = common::Cp1251ToUtf8(slot_.Get()); }
    void Sync(ControlState&) const override {}
    void Edited(ControlState& state) const override {
        const TextEntry entry = ApplyTextRule(state.text, limit_());
        const std::string stored = filter_ ? filter_(entry.stored) : entry.stored;
        slot_.Set(stored);
        state.text = common::Cp1251ToUtf8(stored);
    }

private:
    TextSlot slot_;
    std::function<std::size_t()> limit_;
    TextFilter filter_;
};

class Character final : public Binding {
public:
    Character(Field field, bool keepWhenEmpty) : field_(std::move(field)), keepWhenEmpty_(keepWhenEmpty) {}
    void Load(ControlState& state) const override {
        const int character = field_.Get();
        state.text = character == 0 ? std::string() : common::Cp1251ToUtf8(std::string(1, static_cast<char>(character)));
    }
    void Sync(ControlState&) const override {}
    void Edited(ControlState& state) const override {
        const TextEntry entry = ApplyTextRule(state.text, 1);
        state.text = entry.text;
        if (!entry.stored.empty()) {
            field_.Set(static_cast<Byte>(entry.stored.front()));
        } else if (!keepWhenEmpty_) {
            field_.Set(0);
        }
    }

private:
    Field field_;
    bool keepWhenEmpty_;
};

}  // namespace

std::unique_ptr<Binding> CheckBinding(Field field) { return std::make_unique<Check>(std::move(field)); }

std::unique_ptr<Binding> ListBinding(Field field, int firstValue) {
    return std::make_unique<List>(std::move(field), firstValue);
}

std::unique_ptr<Binding> RadioBinding(Field field, int value) {
    return std::make_unique<Radio>(std::move(field), value);
}

std::unique_ptr<Binding> NumberBinding(Field field, int minimum, int maximum) {
    return NumberBinding(std::move(field), [minimum, maximum](std::string_view text, int) {
        return ApplyNumberRule(text, minimum, maximum);
    });
}

std::unique_ptr<Binding> NumberBinding(Field field, NumberRule rule) {
    return std::make_unique<Number>(std::move(field), std::move(rule));
}

std::unique_ptr<Binding> TextBinding(TextSlot slot, std::function<std::size_t()> limit) {
    return std::make_unique<Text>(std::move(slot), std::move(limit), nullptr);
}

std::unique_ptr<Binding> TextBinding(TextSlot slot, std::function<std::size_t()> limit, TextFilter filter) {
    return std::make_unique<Text>(std::move(slot), std::move(limit), std::move(filter));
}

std::unique_ptr<Binding> CharacterBinding(Field field, bool keepWhenEmpty) {
    return std::make_unique<Character>(std::move(field), keepWhenEmpty);
}

}  // namespace editors

