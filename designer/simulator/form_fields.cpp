#include "designer/simulator/form_fields.h"

#include <algorithm>

#include "designer/simulator/task_text.h"

namespace simulator {

using namespace task::form;

int FormFields::Byte(std::size_t base, int line) const {
    if (line < 0 || line >= task::kFormLines) return 0;
    return form_[base + static_cast<std::size_t>(line)];
}

int FormFields::LineCount() const { return std::min<int>(form_[kLineCount], task::kFormLines); }

bool FormFields::IsInput(int line) const {
    const int type = Type(line);
    return type >= kText && type <= kBoolean;
}

bool FormFields::IsExtension(int line) const { return Type(line) == kExtension; }

int FormFields::Owner(int line) const {
    while (line > 0 && IsExtension(line)) --line;
    return line;
}

int FormFields::ExtensionsAfter(int line) const {
    int count = 0;
    while (count < 4 && line + 1 + count < task::kFormLines && IsExtension(line + 1 + count)) ++count;
    return count;
}

std::string FormFields::Prompt(int line) const {
    if (line < 0 || line >= task::kFormLines) return {};
    return SlotText(form_.data() + kPrompt + static_cast<std::size_t>(line) * kPromptWidth, kPromptWidth);
}

int FormFields::MaxLength(int line) const { return std::min(Byte(kMaxLength, line), kInputCapacity); }

std::string FormFields::InitialValue(int line) const {
    if (line < 0 || line >= task::kFormLines) return {};
    return SlotText(form_.data() + kInitialValue + static_cast<std::size_t>(line) * kInitialValueWidth,
                    kInitialValueWidth);
}

std::string FormFields::Prefix(int line) const {
    if (line < 0 || line >= task::kFormLines) return {};
    return KeyCodes(form_.data() + kPrefix + static_cast<std::size_t>(line) * kPrefixWidth, kPrefixWidth);
}

std::string FormFields::Suffix(int line) const {
    if (line < 0 || line >= task::kFormLines) return {};
    return KeyCodes(form_.data() + kSuffix + static_cast<std::size_t>(line) * kSuffixWidth, kSuffixWidth);
}

}  // namespace simulator
