#pragma once
// The rules every edit control of the property pages and their dialogs
// follows, so a control never shows an invalid value for long and the record
// never holds a value the control does not show. Control texts are UTF-8 (as
// the user types them); stored texts are Windows-1251 bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace editors {

// A number box after a change: the value to store and the text it shows now.
struct NumberEntry {
    int value = 0;
    std::string text;
};

// The whole text must be digits to be a number; a longer number than any
// range saturates, so nothing overflows. Another non-empty text becomes "0";
// an empty box stays empty. The value is kept within minimum..maximum, and a
// box holding a number outside it shows the bound instead.
NumberEntry ApplyNumberRule(std::string_view text, int minimum, int maximum);

// The text as a number when it is all digits (saturating at a value no box
// reaches), else nothing: for boxes with rules of their own.
bool ParseDigits(std::string_view text, int& value);

// A text box after a change: the Windows-1251 bytes to store and the text
// it shows now. Characters Windows-1251 cannot hold, and zero characters,
// are left out; what remains is cut to `limit` characters. Box and record
// always agree.
struct TextEntry {
    std::string stored;  // Windows-1251
    std::string text;    // UTF-8
};
TextEntry ApplyTextRule(std::string_view utf8, std::size_t limit);

// A box of one character: the Windows-1251 code of the first character
// typed (-1 when there is none it can hold) and the text it shows now.
struct CharacterEntry {
    int code = -1;
    std::string text;  // UTF-8
};
CharacterEntry ApplyCharacterRule(std::string_view utf8);

// What a one-character box shows for a stored code: nothing for 0.
std::string CharacterText(int code);

// A check box click: the stored byte after it.
inline int Toggled(int stored) { return stored != 0 ? 0 : 1; }

// The item a list selects for a stored value: none (-1) when the value has
// no item, so no table is ever indexed with a raw byte from a file.
inline int SelectionFor(int value, std::size_t items) {
    return value >= 0 && static_cast<std::size_t>(value) < items ? value : -1;
}

}  // namespace editors
