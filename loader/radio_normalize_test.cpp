// What a radio task looks like when it is sent: padded texts, counts, and
// code lists as bytes.
#include "loader/radio_normalize.h"

#include <gtest/gtest.h>

#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Cp;
using testing::Slice;

void PutText(Byte* slot, std::string_view raw) { std::copy(raw.begin(), raw.end(), slot); }

TEST(NormalizeRadioTask, ShownCaptionsArePaddedToTheFontsWidth) {
    RadioTask task;
    task.menus[0][1] = 1;
    PutText(&task.menus[0][2], "Menu\0xyz");
    task.menus[1][1] = 0;  // hidden: left alone
    PutText(&task.menus[1][2], "Hidden");
    task.menus[9][1] = 1;  // every one of the ten menus
    PutText(&task.menus[9][2], "0123456789ABCDEF");  // 16 characters: not shorter than 16
    RadioTask sent = NormalizeRadioTask(task);
    EXPECT_EQ(Slice(sent.menus[0], 2, 21), "Menu" + std::string(12, ' ') + std::string(5, '\0'));
    EXPECT_EQ(Slice(sent.menus[1], 2, 7), std::string("Hidden\0", 7));
    EXPECT_EQ(Slice(sent.menus[9], 2, 17), std::string("0123456789ABCDEF\0", 17));

    task.menus[0][0] = 1;  // large font: 12 characters
    sent = NormalizeRadioTask(task);
    EXPECT_EQ(Slice(sent.menus[0], 2, 21), "Menu" + std::string(8, ' ') + std::string(9, '\0'));
}

TEST(NormalizeRadioTask, ItemsOfTheFirstEightMenusArePaddedAndCounted) {
    RadioTask task;
    RadioMenuRecord& menu = task.menus[0];
    PutText(&menu[23], Cp("Молоко"));
    PutText(&menu[23 + 21], " X");                       // a leading space: counts
    PutText(&menu[23 + 2 * 21], "   ");                  // spaces alone: empty
    PutText(&menu[23 + 3 * 21], std::string(16, ' ') + "Y");  // visible only after the width
    menu[201] = 99;
    PutText(&task.menus[8][23], "Ninth");  // menus 9 and 10 are not counted or padded
    task.menus[8][201] = 42;
    const RadioTask sent = NormalizeRadioTask(task);
    EXPECT_EQ(sent.menus[0][201], 2);
    EXPECT_EQ(Slice(sent.menus[0], 23, 21), Cp("Молоко") + std::string(10, ' ') + std::string(5, '\0'));
    EXPECT_EQ(Slice(sent.menus[0], 23 + 2 * 21, 21), std::string(16, ' ') + std::string(5, '\0'));
    EXPECT_EQ(Slice(sent.menus[0], 23 + 3 * 21, 18), std::string(16, ' ') + std::string("Y\0", 2));
    EXPECT_EQ(Slice(sent.menus[0], 23 + 7 * 21, 21), std::string(16, ' ') + std::string(5, '\0'));
    EXPECT_EQ(sent.menus[7][201], 0);
    EXPECT_EQ(Slice(sent.menus[7], 23, 17), std::string(16, ' ') + '\0');
    EXPECT_EQ(sent.menus[8][201], 42);
    EXPECT_EQ(Slice(sent.menus[8], 23, 6), std::string("Ninth\0", 6));
}

TEST(NormalizeRadioTask, FieldsThatTakeNoInputLoseTheirFlags) {
    RadioTask task;
    RadioFormRecord& form = task.forms[2];
    const Byte types[8] = {1, 0, 7, 12, 9, 13, 6, 0};
    for (std::size_t j = 0; j < 8; ++j) {
        form[12 + j] = types[j];
        form[4 + j] = form[212 + j] = form[300 + j] = form[388 + j] = 1;
        PutText(&form[20 + 21 * j], "Prompt");
    }
    form[565] = 99;
    RadioTask sent = NormalizeRadioTask(task);
    const RadioFormRecord& out = sent.forms[2];
    //                      types  1  0  7  12 9  13 6  0
    const Byte flag4[8] = {1, 0, 1, 0, 0, 0, 1, 0};
    const Byte flags[8] = {1, 0, 0, 0, 0, 0, 1, 0};
    for (std::size_t j = 0; j < 8; ++j) {
        EXPECT_EQ(out[4 + j], flag4[j]) << j;
        EXPECT_EQ(out[212 + j], flags[j]) << j;
        EXPECT_EQ(out[300 + j], flags[j]) << j;
        EXPECT_EQ(out[388 + j], flags[j]) << j;
        const bool promptCleared = types[j] == 0 || types[j] == 12;
        EXPECT_EQ(Slice(out, 20 + 21 * j, 6), promptCleared ? std::string(6, '\0') : "Prompt") << j;
    }
    EXPECT_EQ(out[565], 7) << "up to the field of type 6";
    EXPECT_EQ(sent.forms[0][565], 0) << "an empty form";

    form[3] = 3;  // a mode above 2 clears every first flag
    sent = NormalizeRadioTask(task);
    for (std::size_t j = 0; j < 8; ++j) EXPECT_EQ(sent.forms[2][4 + j], 0) << j;
    EXPECT_EQ(sent.forms[2][212], 1);
}

// The code list of field `j`'s first list after normalising a task whose
// field 0 (type 1, flagged) holds `text`.
std::string FirstList(std::string_view text, std::size_t j = 0) {
    RadioTask task;
    RadioFormRecord& form = task.forms[24];
    form[12 + j] = 2;
    form[300 + j] = 1;
    PutText(&form[308 + 10 * j], text);
    return Slice(NormalizeRadioTask(task).forms[24], 308 + 10 * j, 10);
}

TEST(NormalizeRadioTask, CodeListsOfDigitsAndSpacesBecomeBytes) {
    EXPECT_EQ(FirstList("13 10"), std::string("\x0D\x0A\0" "10\0\0\0\0\0", 10));
    EXPECT_EQ(FirstList("0 7"), std::string("\x07\0" "7\0\0\0\0\0\0\0", 10));
    EXPECT_EQ(FirstList("  255  1"), std::string("\xFF\x01\0" "55  1\0\0", 10));
    EXPECT_EQ(FirstList("1 2 3 4 5 "), std::string("\x01\x02\x03\x04\x05\0" "4 5 ", 10)) << "ten bytes, no NUL";
    EXPECT_EQ(FirstList("13 1A"), std::string("13 1A\0\0\0\0\0", 10)) << "a letter: stays text";
    EXPECT_EQ(FirstList("7 300 5"), std::string("\x07" " 300 5\0\0\0", 10)) << "stops at 300";
    EXPECT_EQ(FirstList("256"), std::string("256\0\0\0\0\0\0\0", 10));
    EXPECT_EQ(FirstList("12", 7), std::string("\x0C\0" "\0\0\0\0\0\0\0\0", 10)) << "the last field's list";
    EXPECT_EQ(FirstList(std::string_view("9 8\0" "7x", 6), 3), std::string("\x09\x08\0\0" "7x\0\0\0\0", 10)) << "only up to the NUL";
}

TEST(NormalizeRadioTask, OnlyFlaggedListsOfInputFieldsAreConverted) {
    RadioTask task;
    RadioFormRecord& form = task.forms[0];
    form[12] = 3;
    form[388] = 1;  // second list flagged
    PutText(&form[308], "5");
    PutText(&form[396], "6");
    form[12 + 1] = 8;  // no input: its flag is cleared first
    form[300 + 1] = 1;
    PutText(&form[318], "7");
    const RadioTask sent = NormalizeRadioTask(task);
    EXPECT_EQ(sent.forms[0][308], '5');
    EXPECT_EQ(sent.forms[0][396], 6);
    EXPECT_EQ(sent.forms[0][318], '7');
}

TEST(NormalizeRadioTask, TheTaskStaysAsRead) {
    RadioTask task;
    task.forms[0][12] = 1;
    task.forms[0][300] = 1;
    PutText(&task.forms[0][308], "13 10");
    PutText(&task.menus[0][23], "Item");
    const RadioTask before = task;
    const RadioTask first = NormalizeRadioTask(task);
    EXPECT_EQ(task, before);
    EXPECT_EQ(NormalizeRadioTask(task), first) << "a second download sends the same";
}

}  // namespace
}  // namespace loader
