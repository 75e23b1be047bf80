#include "designer/editors/edit_rules.h"

#include <algorithm>

#include "common/cp1251.h"

namespace editors {
namespace {

// Far above every box's maximum, far below int's.
constexpr int kSaturated = 1'000'000'000;

}  // namespace

bool ParseDigits(std::string_view text, int& value) {
    if (text.empty()) return false;
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = std::min<long long>(number * 10 + (c - '0'), kSaturated);
    }
    value = static_cast<int>(number);
    return true;
}

NumberEntry ApplyNumberRule(std::string_view text, int minimum, int maximum) {
    NumberEntry entry;
    const bool number = ParseDigits(text, entry.value);
    entry.text = number || text.empty() ? std::string(text) : std::string(1, '0');
    if (entry.value > maximum) {
        entry.value = maximum;
        entry.text = std::to_string(maximum);
    } else if (entry.value < minimum) {
        entry.value = minimum;
        if (!text.empty()) entry.text = std::to_string(minimum);
    }
    return entry;
}

TextEntry ApplyTextRule(std::string_view utf8, std::size_t limit) {
    TextEntry entry;
    entry.stored = common::Utf8ToCp1251(utf8, common::Unmappable::Drop);
    std::erase(entry.stored, '\0');
    if (entry.stored.size() > limit) entry.stored.resize(limit);
    entry.text = common::Cp1251ToUtf8(entry.stored);
    return entry;
}

CharacterEntry ApplyCharacterRule(std::string_view utf8) {
    const TextEntry typed = ApplyTextRule(utf8, 1);
    CharacterEntry entry;
    entry.text = typed.text;
    if (!typed.stored.empty()) entry.code = static_cast<unsigned char>(typed.stored[0]);
    return entry;
}

std::string CharacterText(int code) {
    return code == 0 ? std::string() : common::Cp1251ToUtf8(std::string(1, static_cast<char>(code)));
}

}  // namespace editors
