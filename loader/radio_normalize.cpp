#include "loader/radio_normalize.h"

#include <algorithm>

namespace loader {
namespace {

constexpr std::size_t kSlot = 21;
constexpr int kCountedMenus = 8;
constexpr Byte kModeWithoutFlags = 2;  // modes above this clear every field's flag

bool IsSpaceOrDigit(Byte c) { return c == ' ' || (c >= '0' && c <= '9'); }

std::size_t TextLength(const Byte* text, std::size_t limit) {
    return static_cast<std::size_t>(std::find(text, text + limit, Byte{0}) - text);
}

// A text shorter than `width` is padded with spaces to it, ended by a NUL,
// and the rest of its slot is zeroed; a longer one stays as it is.
void PadToWidth(Byte* text, std::size_t width) {
    const std::size_t length = TextLength(text, kSlot);
    if (length >= width) return;
    std::fill(text + length, text + width, Byte{' '});
    std::fill(text + width, text + kSlot, Byte{0});
}

bool ShowsCharacter(const Byte* text, std::size_t width) {
    const Byte* end = text + TextLength(text, width);
    return std::any_of(text, end, [](Byte c) { return c > ' '; });
}

void NormalizeMenus(RadioTask& task) {
    using namespace radio_menu;
    const std::size_t width = task.menus[0][kFont] != 0 ? 12 : 16;
    for (RadioMenuRecord& menu : task.menus) {
        if (menu[kShowCaption] != 0) PadToWidth(&menu[kCaption], width);
    }
    for (int m = 0; m < kCountedMenus; ++m) {
        RadioMenuRecord& menu = task.menus[m];
        Byte visible = 0;
        for (int i = 0; i < kItemCount; ++i) {
            Byte* item = &menu[kItems + static_cast<std::size_t>(i) * kSlot];
            if (ShowsCharacter(item, width)) ++visible;
            PadToWidth(item, width);
        }
        menu[kVisibleItems] = visible;
    }
}

bool TakesInput(Byte type) { return (type >= 1 && type <= 6) || type == 13; }

void NormalizeFields(RadioFormRecord& form) {
    using namespace radio_form;
    Byte fields = 0;
    for (int j = 0; j < kFields; ++j) {
        const std::size_t at = static_cast<std::size_t>(j);
        const Byte type = form[kFieldType + at];
        if (form[kMode] > kModeWithoutFlags) form[kFieldFlag + at] = 0;
        if (type == 0 || type > 6) {
            if (type != 7) form[kFieldFlag + at] = 0;
            if (type == 0 || type == 12) std::fill_n(&form[kPrompt + at * kPromptWidth], kPromptWidth, Byte{0});
            form[kSecondFlag + at] = 0;
            form[kFirstListFlag + at] = 0;
            form[kSecondListFlag + at] = 0;
        }
        if (TakesInput(type)) fields = static_cast<Byte>(j + 1);
    }
    form[kFieldCount] = fields;
}

// "13 10" becomes the bytes 13, 10, 0. The list is read up to its first NUL
// within its ten bytes and rewritten from its start as it is read; a number
// of 256 or more stops the rewriting there and leaves the rest as it is.
void ConvertCodeList(Byte* list) {
    const std::size_t length = TextLength(list, radio_form::kCodeListWidth);
    if (!std::all_of(list, list + length, IsSpaceOrDigit)) return;
    std::size_t written = 0;
    for (std::size_t i = 0; i < length;) {
        if (list[i] == ' ') {
            ++i;
            continue;
        }
        int number = 0;
        for (; i < length && list[i] != ' '; ++i) number = std::min(number * 10 + (list[i] - '0'), 256);
        if (number > 255) return;
        if (number != 0) list[written++] = static_cast<Byte>(number);
    }
    list[written] = 0;
}

void ConvertCodeLists(RadioFormRecord& form) {
    using namespace radio_form;
    for (std::size_t j = 0; j < static_cast<std::size_t>(kFields); ++j) {
        if (form[kFirstListFlag + j] != 0) ConvertCodeList(&form[kFirstList + j * kCodeListWidth]);
        if (form[kSecondListFlag + j] != 0) ConvertCodeList(&form[kSecondList + j * kCodeListWidth]);
    }
}

}  // namespace

RadioTask NormalizeRadioTask(const RadioTask& task) {
    RadioTask sent = task;
    NormalizeMenus(sent);
    for (RadioFormRecord& form : sent.forms) NormalizeFields(form);
    for (RadioFormRecord& form : sent.forms) ConvertCodeLists(form);
    return sent;
}

}  // namespace loader
