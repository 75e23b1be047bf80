#pragma once
// Every field the Barcode page and its twenty dialogs edit, in one table:
// where its bits are, which template edits it and with which control. The
// page and the dialogs build their controls from it, a dialog's OK writes
// exactly the fields of its rows, and `uzx show` names the fields from it.
//
// The rows follow the order of the bytes and bits. Inside the dialogs the
// control ids follow the rows: check boxes from 101, radio buttons from 151,
// edit boxes from 301, lists from 401, in row order; the page's ids are its
// template's. This header is the list of them (the README repeats it).
#include <cstddef>
#include <span>
#include <string_view>

#include "designer/task/bit_field.h"
#include "designer/task/task_model.h"

namespace editors::barcode {

// The template that edits a field: the page, one of its dialogs, or none.
enum class Editor {
    None,
    Page,
    Code39,
    ItalyPharma,
    FrenchPharma,
    Industrial25,
    Interleave25,
    Matrix25,
    Codabar,
    Msi,
    Plessey,
    Upce,
    Ean8,
    Ean13,
    Telepen,
    Rss14,
    Rss14Limited,
    Rss14Expanded,
    Ean128,
    CodeId,
    WeightCode,
    Coop25,
};

enum class Block { Barcode, Startup, WeightCode };

// How the bytes hold the value.
enum class Shape {
    Bits,   // `bits` of the byte at `offset`
    Word,   // a little-endian 16-bit word
    Chars,  // `size` characters
};

enum class ControlType {
    None,           // written by its editor without a control of its own (derived, or part of a wider control)
    Check,          // checked while the field is not 0
    InvertedCheck,  // checked while the field is 0
    Radios,         // one radio button per choice
    Edit,           // a box whose rules its page or dialog gives
    List,           // a drop-down list
    CharacterEdits, // a character box (id) and its code box (id + 1), showing one byte
    KeyCodes,       // key-code boxes of two codes each, one per slot (ids id, id + 1, ...)
};

struct Choice {
    int value;
    int textId;
};

// The items of a list: item n stands for the value firstValue + n.
struct Items {
    enum class Kind { None, Strings, TwoDigits, Numbered } kind = Kind::None;
    int first = 0;  // Strings: the first string id; Numbered: the string before the number
    int count = 0;
    int firstValue = 0;  // also the first number of TwoDigits
};

struct FieldRow {
    std::string_view name;  // as `uzx show` names it; empty for a control over named fields
    Block block;
    std::size_t offset;
    Shape shape;
    task::BitField bits;  // Shape::Bits
    std::size_t size;     // Shape::Chars
    Editor editor;
    ControlType control;
    int id;      // the control's id; the first one of radios and key-code boxes
    int textId;  // the caption of a check box or a radio group, the label of an edit or a list
    std::span<const Choice> choices;  // Radios, in id order
    Items items;                      // List
};

// What a dialog of the page is: the button that opens it, the check box of
// the symbology it sits beside (0: none), its template and its title.
struct DialogEntry {
    Editor editor;
    int button;
    int beside;
    std::string_view templateName;
    int titleId;
};

// The rows, in byte order.
std::span<const FieldRow> Fields();

// The twenty dialogs, in the order of their buttons (201..220).
std::span<const DialogEntry> Dialogs();
const DialogEntry* DialogOf(Editor editor);
const DialogEntry* DialogOfButton(int button);

// The row a template's control stands for; null when none.
const FieldRow* RowOf(Editor editor, int id);

// The row of a named field, which must exist.
const FieldRow& RowNamed(std::string_view name);

// The first byte of a row's field in `model`.
task::Byte* FieldBytes(task::TaskModel& model, const FieldRow& row);
const task::Byte* FieldBytes(const task::TaskModel& model, const FieldRow& row);

// A Bits or Word field's value.
int ValueOf(const task::TaskModel& model, const FieldRow& row);

// Every field `editor` owns, from `from` into `to`; every other bit of `to` is kept.
void CopyFields(Editor editor, const task::TaskModel& from, task::TaskModel& to);

// Control ids of the page "BARCODESETTINGDLG".
namespace page {
constexpr int kFirstCheck = 101;  // 101..128, the symbologies' check boxes
constexpr int kCode128Check = 124;
constexpr int kEan128Check = 125;
constexpr int kScanModeList = 401;
constexpr int kRedundancyList = 402;
constexpr int kTimeOutBox = 301;
constexpr int kFirstDialogButton = 201;  // 201..220, the dialogs of Dialogs()
}  // namespace page

// Control ids inside the dialogs, where the table alone does not say.
namespace length {
constexpr int kFirstLengthBox = 301;  // maximum, or fixed length 1
constexpr int kSecondLengthBox = 302;  // minimum, or fixed length 2
}  // namespace length
namespace code_id {
constexpr int kEnableCheck = 101;
constexpr int kFirstCodeBox = 301;  // 301..315, in the order of the code-ID slots
constexpr int kFirstSetButton = 201;  // "Set 1".."Set 5": 201..205
constexpr int kClearButton = 206;
}  // namespace code_id
namespace ean128 {
constexpr int kCodeIdCheck = 101;
constexpr int kCharacterBox = 301;
constexpr int kCodeBox = 302;
}  // namespace ean128
namespace weight_code {
constexpr int kEnableCheck = 101;
constexpr int kOneCFormatCheck = 102;
constexpr int kPrefixBox = 301;
constexpr int kMaskList = 401;
constexpr int kKeyFieldList = 402;
constexpr int kQuantityList = 403;
}  // namespace weight_code

}  // namespace editors::barcode
