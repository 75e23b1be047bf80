#pragma once
// Boxes with rules of their own, beside the shared ones of edit_rules.h.
// Most of them always hold a number, so the user types over what is shown:
// an emptied box shows "0" at once and the next digit typed replaces it.
#include <string>
#include <string_view>

#include "designer/editors/edit_rules.h"

namespace editors {

// A box that always holds a number from 0 to `maximum`: text that is no
// number (an empty box, a minus sign) shows "0", a number above the maximum
// shows the maximum, and leading zeros are dropped ("05" shows "5"). The
// lookup file's member length, the wedge's delay and time-out.
NumberEntry ApplyWholeNumberRule(std::string_view text, int maximum);

// The entry prompt's duration, 0..99 hundreds of milliseconds: as a whole
// number, but a number of 100 or more keeps its first two characters, so a
// third digit typed is refused.
NumberEntry ApplyDurationRule(std::string_view text);

// The backlight's idle time, 1..9 tens of seconds; the box holds one digit.
// No positive number gives 1. A second digit typed after the stored one
// replaces it (25 with 2 stored gives 5); otherwise a number above 9 keeps
// its tens digit. A positive number written with a leading zero brings the
// stored value back. Whatever comes out of 1..9 is brought into it, so the
// terminal never gets a 0.
NumberEntry ApplyIdleTimeRule(std::string_view text, int stored);

// The delimiter of a delimited lookup file: a number 1..255 but 13 (the
// carriage return that ends the file's lines); above 255 gives 255. Any other
// text keeps the stored delimiter and shows it again: a 0 would silently
// switch the file to fixed-length records. A 13 is refused the same way and
// `carriageReturn` says so, for the warning.
struct DelimiterEntry {
    NumberEntry entry;
    bool carriageReturn = false;
};
DelimiterEntry ApplyDelimiterRule(std::string_view text, int stored);

// The security password: at most 10 characters, each a digit or a Latin
// letter. What the box shows and stores after a change, and which of the two
// warnings the change earns (a too long text is cut first).
struct PasswordEntry {
    std::string text;  // ASCII
    bool tooLong = false;
    bool invalidCharacter = false;
};
PasswordEntry ApplyPasswordRule(std::string_view utf8);

}  // namespace editors
