#include "tools/uzx/task_view.h"

#include <cstdio>
#include <string_view>

#include "common/cp1251.h"
#include "designer/strings/english_table.h"
#include "designer/strings/string_ids.h"
#include "loader/text_layouts.h"

namespace uzx {
namespace {

using task::Byte;

struct Field {
    const char* name;
    std::size_t offset;
};

struct BitField {
    const char* name;
    std::size_t byte;
    int shift;
    int width;
};

// BarcodeSettings, bit by bit.
constexpr BitField kBarcodeFields[] = {
    {"code39", 0, 7, 1}, {"italianPharmacode", 0, 6, 1}, {"frenchPharmacode", 0, 5, 1},
    {"industrial25", 0, 4, 1}, {"interleave25", 0, 3, 1}, {"matrix25", 0, 2, 1}, {"codabar", 0, 1, 1},
    {"code93", 0, 0, 1}, {"code128OrEan128", 1, 7, 1}, {"upce", 1, 6, 1}, {"upceAddOn2", 1, 5, 1},
    {"upceAddOn5", 1, 4, 1}, {"ean8", 1, 3, 1}, {"ean8AddOn2", 1, 2, 1}, {"ean8AddOn5", 1, 1, 1},
    {"ean13Upca", 1, 0, 1}, {"ean13AddOn2", 2, 7, 1}, {"ean13AddOn5", 2, 6, 1}, {"msi", 2, 5, 1},
    {"plessey", 2, 4, 1}, {"telepen", 2, 2, 1}, {"telepenOriginal", 2, 1, 1}, {"rss14Limited", 2, 0, 1},
    {"rss14Expanded", 3, 7, 1}, {"rss14", 3, 6, 1}, {"rss14CodeId", 3, 5, 1}, {"rss14ApplicationId", 3, 4, 1},
    {"rss14CheckDigit", 3, 3, 1}, {"rss14LimitedCodeId", 3, 2, 1}, {"rss14LimitedApplicationId", 3, 1, 1},
    {"rss14LimitedCheckDigit", 3, 0, 1}, {"rss14ExpandedCodeId", 4, 7, 1}, {"upceTripleCheck", 4, 6, 1},
    {"upce1", 4, 5, 1}, {"coop25VerifyCheckDigit", 4, 4, 1}, {"coop25TransmitCheckDigit", 4, 3, 1},
    {"coop25", 4, 2, 1}, {"code39StartStop", 5, 7, 1}, {"code39VerifyChecksum", 5, 6, 1},
    {"code39TransmitChecksum", 5, 5, 1}, {"code39FullAscii", 5, 4, 1}, {"italianPharmacodeChecksum", 5, 3, 1},
    {"frenchPharmacodeChecksum", 5, 2, 1}, {"interleave25VerifyChecksum", 5, 1, 1},
    {"interleave25TransmitChecksum", 5, 0, 1}, {"industrial25VerifyChecksum", 6, 7, 1},
    {"industrial25TransmitChecksum", 6, 6, 1}, {"matrix25VerifyChecksum", 6, 5, 1},
    {"matrix25TransmitChecksum", 6, 4, 1}, {"interleave25StartStop", 6, 2, 2}, {"industrial25StartStop", 6, 0, 2},
    {"matrix25StartStop", 7, 6, 2}, {"codabarStartStopCharacters", 7, 4, 2}, {"codabarTransmitStartStop", 7, 3, 1},
    {"msiVerification", 9, 6, 2}, {"msiTransmission", 9, 4, 2}, {"plesseyTransmitChecksum", 9, 3, 1},
    {"plesseyUk", 9, 2, 1}, {"upceToUpca", 9, 1, 1}, {"upcaToEan13", 9, 0, 1}, {"ean13Isbn", 10, 7, 1},
    {"ean13Issn", 10, 6, 1}, {"upceTransmitChecksum", 10, 5, 1}, {"upcaTransmitChecksum", 10, 4, 1},
    {"ean8TransmitChecksum", 10, 3, 1}, {"ean13TransmitChecksum", 10, 2, 1}, {"upceSystemNumber", 10, 1, 1},
    {"upcaSystemNumber", 10, 0, 1}, {"ean8ToEan13", 11, 7, 1}, {"negativeBarcodes", 11, 4, 1},
    {"readRedundancy", 11, 2, 2}, {"industrial25MaxMin", 12, 7, 1}, {"isbt128", 12, 6, 1}, {"ean13Gtin", 12, 5, 1},
    {"industrial25Length1", 12, 0, 5}, {"industrial25Length2", 13, 0, 8}, {"interleave25MaxMin", 14, 7, 1},
    {"interleave25Length1", 14, 0, 7}, {"interleave25Length2", 15, 0, 8}, {"matrix25MaxMin", 16, 7, 1},
    {"matrix25Length1", 16, 0, 7}, {"matrix25Length2", 17, 0, 8}, {"msiMaxMin", 18, 7, 1},
    {"msiLength1", 18, 0, 7}, {"msiLength2", 19, 0, 8}, {"scanMode", 20, 4, 4}, {"byte20Low", 20, 0, 4},
    {"readerTimeout", 21, 0, 8}, {"code128", 22, 7, 1}, {"ean128", 22, 6, 1}, {"ean128NoCodeId", 22, 5, 1},
    {"code128Copy", 22, 4, 1},
};

constexpr Field kMenuFields[] = {
    {"font", task::menu::kFont}, {"showCaption", task::menu::kShowCaption}, {"escTarget", task::menu::kEscTarget},
    {"saveCaption", task::menu::kSaveCaption}, {"saveSelectedItem", task::menu::kSaveSelected},
    {"passDown", task::menu::kPassDown}, {"visibleItems", task::menu::kVisibleItems},
    {"currentItem", task::menu::kCurrentItem}, {"engineState", task::menu::kEngineState},
};

constexpr Field kFormFields[] = {
    {"font", task::form::kFont}, {"escTarget", task::form::kEscTarget}, {"nextTarget", task::form::kNextTarget},
    {"stampPosition", task::form::kStampPosition}, {"stampSeparateFields", task::form::kStampSeparateFields},
    {"stampYear", task::form::kStampYear}, {"stampTwoDigitYear", task::form::kStampTwoDigitYear},
    {"stampMonth", task::form::kStampMonth}, {"stampDay", task::form::kStampDay},
    {"stampDateSeparated", task::form::kStampDateSeparated}, {"dateOrder", task::form::kDateOrder},
    {"stampHour", task::form::kStampHour}, {"stampMinute", task::form::kStampMinute},
    {"stampSecond", task::form::kStampSecond}, {"stampTimeSeparated", task::form::kStampTimeSeparated},
    {"recordAction", task::form::kRecordAction}, {"lookupFile", task::form::kLookupFile},
    {"onErrorTarget", task::form::kOnErrorTarget}, {"lineCount", task::form::kLineCount},
    {"currentLine", task::form::kCurrentLine},
};

constexpr Field kLineFields[] = {
    {"lookupField", task::form::kLookupField}, {"inputSource", task::form::kInputSource},
    {"minLength", task::form::kMinLength}, {"maxLength", task::form::kMaxLength},
    {"fixedLength", task::form::kFixedLength}, {"alignment", task::form::kAlignment},
    {"fixedLengthValue", task::form::kFixedLengthValue}, {"hasInitialValue", task::form::kHasInitialValue},
    {"hasPrefix", task::form::kHasPrefix}, {"hasSuffix", task::form::kHasSuffix},
    {"partialMode", task::form::kPartialMode}, {"partialStart", task::form::kPartialStart},
    {"partialMaxLength", task::form::kPartialMaxLength}, {"checkLeadingCode", task::form::kCheckLeadingCode},
    {"autoEnter", task::form::kAutoEnter}, {"inputMark", task::form::kInputMark},
    {"checkDigit", task::form::kCheckDigit}, {"decimals", task::form::kDecimals},
};

constexpr Field kFunctionKeyFields[] = {
    {"target", task::form::kFnTarget}, {"summation", task::form::kFnSummation},
    {"summationSource", task::form::kFnSummationSource}, {"remains", task::form::kFnRemains},
    {"remainsFilter", task::form::kFnRemainsFilter},
};

constexpr Field kLookupFields[] = {
    {"recordLength", task::lookup::kRecordLength}, {"fieldCount", task::lookup::kFieldCount},
    {"keyField", task::lookup::kKeyField}, {"delimiter", task::lookup::kDelimiter},
    {"uploadable", task::lookup::kUploadable}, {"noMatchAction", task::lookup::kNoMatchAction},
    {"badRecordAction", task::lookup::kBadRecordAction}, {"readOnce", task::lookup::kReadOnce},
    {"negativeRemains", task::lookup::kNegativeRemains}, {"deleteIfNull", task::lookup::kDeleteIfNull},
};

constexpr Field kTerminalFields[] = {
    {"keyboardType", task::terminal::kKeyboardType}, {"wedgeFlags", task::terminal::kWedgeFlags},
    {"characterDelay", task::terminal::kCharacterDelay}, {"transmitTimeout", task::terminal::kTransmitTimeout},
    {"addReturn", task::terminal::kAddReturn},
};

constexpr Field kStartupFields[] = {
    {"layoutRevision", task::startup::kLayoutRevision}, {"startWithMenu", task::startup::kStartWithMenu},
    {"firstSeparator", task::startup::kFirstSeparator}, {"secondSeparator", task::startup::kSecondSeparator},
    {"separateDataFiles", task::startup::kClockLineMode}, {"uploadPort", task::startup::kUploadPort},
    {"downloadPort", task::startup::kDownloadPort}, {"baudRate", task::startup::kBaudRate},
    {"backlight", task::startup::kBacklight}, {"backlightIdle", task::startup::kBacklightIdle},
    {"dataDeletion", task::startup::kDataDeletion}, {"entryOption", task::startup::kEntryOption},
    {"entryDuration", task::startup::kEntryDuration}, {"largeFontScreens", task::startup::kLargeFontScreens},
    {"functionKeyMapping", task::startup::kFunctionKeyMapping}, {"codeIdEnabled", task::startup::kCodeIdEnabled},
    {"modemSpeed", task::startup::kModemSpeed}, {"keyClick", task::startup::kKeyClick},
    {"goodReadBeep", task::startup::kGoodReadBeep}, {"warningBeep", task::startup::kWarningBeep},
    {"vibratorDuration", task::startup::kVibratorDuration}, {"fieldReplacement", task::startup::kFieldReplacement},
};

// Zero-terminated Windows-1251 text inside a slot, as UTF-8.
Node SlotText(const Byte* slot, std::size_t width) {
    std::string_view text(reinterpret_cast<const char*>(slot), width);
    return Node::Text(common::Cp1251ToUtf8(text.substr(0, text.find('\0'))));
}

Node ByteList(const Byte* bytes, std::size_t count) {
    Node list = Node::Array();
    for (std::size_t i = 0; i < count; ++i) list.Push(Node::Number(bytes[i]));
    return list;
}

// Every byte as two hex digits, for the bytes no field names.
Node Hex(const Byte* bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        text += pair;
    }
    return Node::Text(text);
}

template <std::size_t N>
void AddFields(Node& node, const Byte* record, const Field (&fields)[N], std::size_t step = 0, int index = 0) {
    for (const Field& field : fields) node.Add(field.name, record[field.offset + step * index]);
}

unsigned Word(const Byte* at) { return at[0] | (at[1] << 8); }

std::string EnglishName(int id) {
    static const text::StringTable table = strings::MakeStringTable();
    return common::Cp1251ToUtf8(table.BuiltIn(id));
}

Node DescribeBarcode(const task::TaskModel& model) {
    Node node = Node::Object();
    node.Add("bytes", Hex(model.barcode.data(), model.barcode.size()));
    for (const BitField& field : kBarcodeFields) {
        const int value = (model.barcode[field.byte] >> field.shift) & ((1 << field.width) - 1);
        node.Add(field.name, value);
    }
    return node;
}

Node DescribeMenu(const task::MenuRecord& m) {
    using namespace task::menu;
    Node node = Node::Object();
    AddFields(node, m.data(), kMenuFields);
    node.Add("caption", SlotText(&m[kCaption], task::kWideSlot));
    Node& items = node.Add("items", Node::Array());
    for (int i = 0; i < kItemCount; ++i) {
        Node item = Node::Object();
        item.Add("text", SlotText(&m[kItems + i * task::kWideSlot], task::kWideSlot));
        item.Add("target", m[kItemTargets + i]);
        items.Push(std::move(item));
    }
    return node;
}

Node DescribeLine(const task::FormRecord& f, int j) {
    using namespace task::form;
    Node line = Node::Object();
    line.Add("type", f[kFieldType + j]);
    const Byte type = f[kFieldType + j];
    line.Add("typeName", Node::Text(type == 0    ? EnglishName(strings::id::kNilName)
                                    : type <= 18 ? EnglishName(strings::id::kFirstFieldTypeName + type - 1)
                                                 : "?"));
    line.Add("prompt", SlotText(&f[kPrompt + j * kPromptWidth], kPromptWidth));
    AddFields(line, f.data(), kLineFields, 1, j);
    line.Add("initialValue", SlotText(&f[kInitialValue + j * kInitialValueWidth], kInitialValueWidth));
    line.Add("prefix", ByteList(&f[kPrefix + j * kPrefixWidth], kPrefixWidth));
    line.Add("suffix", ByteList(&f[kSuffix + j * kSuffixWidth], kSuffixWidth));
    line.Add("leadingCode", SlotText(&f[kLeadingCode + j * kLeadingCodeWidth], kLeadingCodeWidth));
    line.Add("gs1Identifier", SlotText(&f[kGs1Identifier + j * kGs1IdentifierWidth], kGs1IdentifierWidth));
    line.Add("text", SlotText(&f[kLineText + j * kLineTextWidth], kLineTextWidth));
    return line;
}

Node DescribeForm(const task::FormRecord& f) {
    using namespace task::form;
    Node node = Node::Object();
    AddFields(node, f.data(), kFormFields);
    node.Add("dateSeparator", SlotText(&f[kDateSeparator], 2));
    node.Add("timeSeparator", SlotText(&f[kTimeSeparator], 2));
    node.Add("recordActionName",
             Node::Text(f[kRecordAction] <= 8 ? EnglishName(strings::id::kFirstRecordActionName + f[kRecordAction])
                                              : "?"));
    Node& lines = node.Add("lines", Node::Array());
    for (int j = 0; j < task::kFormLines; ++j) lines.Push(DescribeLine(f, j));
    Node& keys = node.Add("functionKeys", Node::Array());
    for (int k = 0; k < task::kFunctionKeys; ++k) {
        Node key = Node::Object();
        AddFields(key, f.data(), kFunctionKeyFields, 1, k);
        keys.Push(std::move(key));
    }
    return node;
}

Node DescribeLookup(const task::LookupRecord& l) {
    Node node = Node::Object();
    AddFields(node, l.data(), kLookupFields);
    node.Add("fieldOffsets", ByteList(&l[task::lookup::kFieldOffsets], 8));
    node.Add("fieldLengths", ByteList(&l[task::lookup::kFieldLengths], 8));
    return node;
}

// The 27 tables of either layout; every entry of the wide one is 21 bytes.
Node DescribeTexts(const Byte* texts, loader::TextLayout layout) {
    Node tables = Node::Array();
    for (int t = 1; t <= static_cast<int>(task::kTextTables.size()); ++t) {
        const task::TextTable& table = task::kTextTables[t - 1];
        const std::size_t slot = layout == loader::TextLayout::Wide ? task::kWideSlot : table.slot;
        Node entries = Node::Array();
        for (int e = 0; e < table.entries; ++e) entries.Push(SlotText(texts + loader::TextEntryOffset(layout, t, e), slot));
        tables.Push(std::move(entries));
    }
    return tables;
}

Node DescribeStartup(const task::TaskModel& model) {
    using namespace task::startup;
    const Byte* s = model.startup.data();
    Node node = Node::Object();
    AddFields(node, s, kStartupFields);
    node.Add("uploadPhone", SlotText(s + kUploadPhone, 21));
    node.Add("downloadPhone", SlotText(s + kDownloadPhone, 21));
    node.Add("password", SlotText(s + kPassword, 12));
    node.Add("protectedFunctions", ByteList(s + kProtectedFunctions, 12));
    node.Add("protectedSounds", ByteList(s + kProtectedSounds, 3));
    node.Add("functionKeys", ByteList(s + kFunctionKeys, 7));
    Node& codeIds = node.Add("codeIds", Node::Array());
    for (int i = 0; i < 15; ++i) codeIds.Push(ByteList(s + kCodeIds + 2 * i, 2));
    Node& extra = node.Add("extraTexts", Node::Array());
    for (int i = 0; i < kExtraTextCount; ++i) extra.Push(SlotText(s + kExtraTexts + i * task::kWideSlot, task::kWideSlot));
    node.Add("bytes", Hex(s, model.startup.size()));
    return node;
}

Node DescribeWeightCode(const task::TaskModel& model) {
    using namespace task::weight;
    const Byte* w = model.weightCode.data();
    Node node = Node::Object();
    node.Add("magic", Word(w + kMagic));
    node.Add("enabled", Word(w + kFlags) & 1);
    node.Add("oneCFormat", (Word(w + kFlags) >> 1) & 1);
    node.Add("prefix", Node::Text(common::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(w + kPrefix), 2))));
    node.Add("maskCode", Word(w + kMaskCode));
    node.Add("keyField", Word(w + kKeyField));
    node.Add("quantityField", Word(w + kQuantityField));
    return node;
}

void AddBlocks(Node& root, const task::TaskModel& model, Node textTables) {
    root.Add("firmwareId", SlotText(model.firmwareId.data(), model.firmwareId.size()));
    root.Add("reserved", ByteList(model.reserved.data(), model.reserved.size()));
    root.Add("barcode", DescribeBarcode(model));
    Node& menus = root.Add("menus", Node::Array());
    for (const auto& m : model.menus) menus.Push(DescribeMenu(m));
    Node& forms = root.Add("forms", Node::Array());
    for (const auto& f : model.forms) forms.Push(DescribeForm(f));
    Node& lookups = root.Add("lookups", Node::Array());
    for (const auto& l : model.lookups) lookups.Push(DescribeLookup(l));
    root.Add("textTables", std::move(textTables));
    Node& terminal = root.Add("terminal", Node::Object());
    AddFields(terminal, model.terminal.data(), kTerminalFields);
    terminal.Add("bytes", Hex(model.terminal.data(), model.terminal.size()));
    root.Add("startup", DescribeStartup(model));
    root.Add("weightCode", DescribeWeightCode(model));
}

}  // namespace

Node DescribeTask(const task::TaskModel& model) {
    Node root = Node::Object();
    AddBlocks(root, model, DescribeTexts(model.texts.data(), loader::TextLayout::Mixed));
    return root;
}

Node DescribeLoaderTask(const loader::BatchTask& task) {
    const loader::TextLayout layout = loader::LayoutOf(task.sourceModel);
    const bool wide = layout == loader::TextLayout::Wide;
    Node root = Node::Object();
    Node& readAs = root.Add("readAs", Node::Object());
    readAs.Add("model", Node::Text(std::string(loader::FirmwareIdText(task.sourceModel).substr(0, 4))));
    readAs.Add("textLayout", Node::Text(wide ? "wide" : "mixed"));
    AddBlocks(root, task.blocks, DescribeTexts(wide ? task.wideTexts.data() : task.blocks.texts.data(), layout));
    return root;
}

}  // namespace uzx
