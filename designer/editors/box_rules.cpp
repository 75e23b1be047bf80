#include "designer/editors/box_rules.h"

#include <algorithm>

namespace editors {
namespace {

constexpr int kLongestDuration = 99;
constexpr int kShortestIdle = 1;
constexpr int kLongestIdle = 9;
constexpr int kLargestDelimiter = 255;
constexpr int kCarriageReturn = 13;
constexpr std::size_t kPasswordLength = 10;

NumberEntry Shown(int value) { return {value, std::to_string(value)}; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsPasswordCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

NumberEntry ApplyWholeNumberRule(std::string_view text, int maximum) {
    int value = 0;
    if (!ParseDigits(text, value)) return Shown(0);
    return Shown(std::min(value, maximum));
}

NumberEntry ApplyDurationRule(std::string_view text) {
    int value = 0;
    if (!ParseDigits(text, value)) return Shown(0);
    if (value > kLongestDuration) ParseDigits(text.substr(0, 2), value);
    return Shown(value);
}

NumberEntry ApplyIdleTimeRule(std::string_view text, int stored) {
    int value = 0;
    if (!ParseDigits(text, value) || value == 0) return Shown(kShortestIdle);
    if (value > kLongestIdle) {
        const int tens = value / 10 % 10;
        value = tens == stored ? value % 10 : tens;
    } else if (text.size() > 1 && text.front() == '0') {
        value = stored;
    }
    return Shown(std::clamp(value, kShortestIdle, kLongestIdle));
}

DelimiterEntry ApplyDelimiterRule(std::string_view text, int stored) {
    int value = 0;
    const bool number = ParseDigits(text, value);
    if (number && value == kCarriageReturn) return {Shown(stored), true};
    if (!number || value == 0) return {Shown(stored), false};
    if (value > kLargestDelimiter) return {Shown(kLargestDelimiter), false};
    return {{value, std::string(text)}, false};
}

PasswordEntry ApplyPasswordRule(std::string_view utf8) {
    PasswordEntry entry;
    // Cut after the tenth character, counting a multi-byte character once.
    std::size_t characters = 0;
    std::size_t end = 0;
    for (; end < utf8.size(); ++end) {
        if (IsContinuationByte(utf8[end])) continue;
        if (characters == kPasswordLength) {
            entry.tooLong = true;
            break;
        }
        ++characters;
    }
    for (char c : utf8.substr(0, end)) {
        if (IsPasswordCharacter(c)) {
            entry.text.push_back(c);
        } else if (!IsContinuationByte(c)) {
            entry.invalidCharacter = true;
        }
    }
    return entry;
}

}  // namespace editors
