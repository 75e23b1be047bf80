#include "designer/editors/line_dialog.h"

#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"

namespace editors {
namespace {

namespace f = task::form;

constexpr int kAlignments = 4;

}  // namespace

LineDialog::LineDialog(EditorContext& context, std::string templateName, std::vector<ControlSpec> controls,
                       task::FormRecord& form, int line, OutputControls output)
    : DialogModel(context, std::move(templateName), context.DirectText(strings::id::kLinePropertiesTitle),
                  std::move(controls)),
      form_(form),
      line_(line),
      output_(output) {
    BackUp(form_);
    SetItems(output_.alignment, TextItems(context, strings::id::kFirstAlignmentName, kAlignments));
    Bind(output_.fixedLengthCheck, CheckBinding(Field::Whole(LineByte(f::kFixedLength))));
    Bind(output_.fixedLength, NumberBinding(Field::Whole(LineByte(f::kFixedLengthValue)), 0, 255));
    Bind(output_.alignment, ListBinding(Field::Whole(LineByte(f::kAlignment))));
    Bind(output_.prefixCheck, CheckBinding(Field::Whole(LineByte(f::kHasPrefix))));
    Bind(output_.suffixCheck, CheckBinding(Field::Whole(LineByte(f::kHasSuffix))));
    // The boxes start from the line's own codes, so an OK without a visit to
    // the grid writes back what the line held.
    AddKeyCodeBox(output_.prefixBox, f::kPrefixWidth, Form().PrefixSlot(line_));
    AddKeyCodeBox(output_.suffixBox, f::kSuffixWidth, Form().SuffixSlot(line_));
}

Locate LineDialog::LineByte(std::size_t base) const {
    return [this, base] { return &form_[base + static_cast<std::size_t>(line_)]; };
}

Locate LineDialog::LineSlot(std::size_t base, std::size_t width) const {
    return [this, base, width] { return &form_[base + width * static_cast<std::size_t>(line_)]; };
}

void LineDialog::EnableOutputControls(bool open) {
    const task::ConstFormView form = Form();
    Enable(output_.fixedLengthCheck, open);
    Enable(output_.fixedLength, open && form.FixedLength(line_) != 0);
    Enable(output_.alignment, open && form.FixedLength(line_) != 0);
    Enable(output_.prefixCheck, open);
    Enable(output_.prefixBox, open && form.HasPrefix(line_) != 0);
    Enable(output_.suffixCheck, open);
    Enable(output_.suffixBox, open && form.HasSuffix(line_) != 0);
}

void LineDialog::StoreKeyCodes() {
    CodesOf(output_.prefixBox).StoreInto(Form().PrefixSlot(line_));
    CodesOf(output_.suffixBox).StoreInto(Form().SuffixSlot(line_));
}

}  // namespace editors
