#include "designer/simulator/task_text.h"

namespace simulator {

std::string SlotText(const task::Byte* slot, std::size_t slotSize) {
    return KeyCodes(slot, slotSize == 0 ? 0 : slotSize - 1);
}

std::string KeyCodes(const task::Byte* slot, std::size_t width) {
    std::string text;
    for (std::size_t i = 0; i < width && slot[i] != 0; ++i) text.push_back(static_cast<char>(slot[i]));
    return text;
}

std::string TableText(const task::TaskModel& model, int table, int entry) {
    if (table < 1 || table > static_cast<int>(task::kTextTables.size())) return {};
    const task::TextTable& t = task::kTextTables[table - 1];
    if (entry < 0 || entry >= t.entries) return {};
    return SlotText(model.texts.data() + task::TextOffset(table, entry), t.slot);
}

std::string FourDigits(int count) {
    // The terminal shows four digits; beyond 9999 the count wraps rather than
    // showing a character that is no digit.
    const int shown = count < 0 ? 0 : count % 10000;
    std::string digits(4, '0');
    digits[0] = static_cast<char>('0' + shown / 1000);
    digits[1] = static_cast<char>('0' + shown / 100 % 10);
    digits[2] = static_cast<char>('0' + shown / 10 % 10);
    digits[3] = static_cast<char>('0' + shown % 10);
    return digits;
}

}  // namespace simulator
