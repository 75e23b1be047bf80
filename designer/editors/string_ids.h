#pragma once
// String ids of the property sheet's texts: labels, list items, messages.
// Each page's own labels follow its title id (Form 52-200, Menu 202-250,
// Lookup 252-300, Barcode 302-600, Settings 602-700, Startup 2000-2799).
namespace editors::ids {

// Shared list items.
constexpr int kFirstLookupFile = 1191;  // "1st lookup file", 2nd, 3rd
constexpr int kNil = 1211;
constexpr int kMain = 1212;
constexpr int kMenuNumbered = 1213;  // "menu  " before a number
constexpr int kFormNumbered = 1214;  // "form  " before a number
constexpr int kSmallFont = 1215;     // "small", then "large"
constexpr int kSkipError = 1230;
constexpr int kFirstRecordAction = 1311;  // "save" .. "nothing", 9 of them
constexpr int kFirstFieldType = 1331;     // "text" .. "compare", 18 of them
constexpr int kFirstVariable = 1345;      // "variable1" .. "variable3"
constexpr int kFirstInputSource = 1351;   // "reader", "keypad", "both"
constexpr int kFieldNumbered = 1361;      // "field " before a number
constexpr int kMinusFieldNumbered = 1362;
constexpr int kPlusFieldNumbered = 1363;

// The sheet's and the dialogs' buttons.
constexpr int kOk = 1218;
constexpr int kCancel = 1219;

// The Form page "FORMDLG".
namespace form {
constexpr int kName = 52;
constexpr int kFont = 53;
constexpr int kEsc = 54;
constexpr int kNext = 55;
constexpr int kOnError = 56;
constexpr int kLookup = 57;
constexpr int kRecord = 58;
constexpr int kTimeStamp = 59;
constexpr int kBranch = 60;
constexpr int kDataType = 61;  // column headings of the line table
constexpr int kPrompt = 62;
constexpr int kInputSource = 63;
constexpr int kMinLength = 64;
constexpr int kMaxLength = 65;
constexpr int kLineLookup = 66;
constexpr int kProperties = 67;
constexpr int kMore = 68;         // the line's "more..." button
constexpr int kLineNumbered = 69;  // "#" before the line number
}  // namespace form

}  // namespace editors::ids
