#include "designer/editors/key_codes.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace editors {
namespace {

// Codes 0x01..0x20; 0x1D..0x1F are the variables.
constexpr std::array<std::string_view, 32> kControlKeyNames = {
    "Ins", "Del", "Home", "End", "Up",  "Down", "Left", "BS",   "HT",   "LF",   "Right",
    "PgUp", "Enter", "PgDn", "F1", "F2",  "F3",  "F4",   "F5",   "F6",   "F7",   "F8",
    "F9",  "F10", "F11",  "F12", "ESC", "Exec", "Var1", "Var2", "Var3", "SP",
};

}  // namespace

std::string KeyName(int code) {
    if (code <= 0 || code >= kKeyCodeCount) return {};
    if (code <= 0x20) return std::string(kControlKeyNames[static_cast<std::size_t>(code - 1)]);
    if (code < 0x7F) return std::string(1, static_cast<char>(code));
    if (code == 0x7F) return "DEL";
    return std::to_string(code);
}

KeyCodes KeyCodes::FromStored(std::span<const Byte> stored, std::size_t capacity) {
    // Taken as stored, even a variable after other codes (the grid never
    // makes one), so a string nobody edits is written back unchanged.
    KeyCodes codes(capacity);
    for (const Byte code : stored.first(std::min(stored.size(), capacity))) {
        if (code == 0) break;
        codes.codes_.push_back(code);
        if (IsVariableKey(code)) break;
    }
    return codes;
}

bool KeyCodes::Add(Byte code) {
    if (Full() || (IsVariableKey(code) && !codes_.empty())) return false;
    codes_.push_back(code);
    return true;
}

void KeyCodes::StoreInto(std::span<Byte> slot) const {
    std::fill(slot.begin(), slot.end(), Byte{0});
    std::copy_n(codes_.begin(), std::min(codes_.size(), slot.size()), slot.begin());
}

}  // namespace editors
