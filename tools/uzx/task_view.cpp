#include "tools/uzx/task_view.h"

#include <cstdio>
#include <string_view>

#include "common/cp1251.h"
#include "designer/strings/english_table.h"
#include "designer/strings/string_ids.h"
#include "designer/task/form_view.h"
#include "designer/task/lookup_view.h"
#include "designer/task/menu_view.h"
#include "designer/task/startup_view.h"
#include "loader/text_layouts.h"

namespace uzx {
namespace {

using task::Byte;

// A field of BarcodeSettings.
struct BarcodeField {
    const char* name;
    std::size_t byte;
    task::BitField bits;
};

// BarcodeSettings, bit by bit.
constexpr BarcodeField kBarcodeFields[] = {
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

// A named byte of a record, read through the record's view.
template <typename View>
struct Field {
    const char* name;
    Byte (View::*read)() const;
};

// A named entry of a per-line or per-key array.
template <typename View>
struct IndexedField {
    const char* name;
    Byte (View::*read)(int) const;
};

using task::ConstFormView;
using task::ConstLookupView;
using task::ConstMenuView;
using task::ConstStartupView;

constexpr Field<ConstMenuView> kMenuFields[] = {
    {"font", &ConstMenuView::Font}, {"showCaption", &ConstMenuView::ShowCaption},
    {"escTarget", &ConstMenuView::EscTarget}, {"saveCaption", &ConstMenuView::SaveCaption},
    {"saveSelectedItem", &ConstMenuView::SaveSelectedItem}, {"passDown", &ConstMenuView::PassDown},
    {"visibleItems", &ConstMenuView::VisibleItems}, {"currentItem", &ConstMenuView::CurrentItem},
    {"engineState", &ConstMenuView::EngineState},
};

constexpr Field<ConstFormView> kFormFields[] = {
    {"font", &ConstFormView::Font}, {"escTarget", &ConstFormView::EscTarget},
    {"nextTarget", &ConstFormView::NextTarget}, {"stampPosition", &ConstFormView::StampPosition},
    {"stampSeparateFields", &ConstFormView::StampSeparateFields}, {"stampYear", &ConstFormView::StampYear},
    {"stampTwoDigitYear", &ConstFormView::StampTwoDigitYear}, {"stampMonth", &ConstFormView::StampMonth},
    {"stampDay", &ConstFormView::StampDay}, {"stampDateSeparated", &ConstFormView::StampDateSeparated},
    {"dateOrder", &ConstFormView::DateOrder}, {"stampHour", &ConstFormView::StampHour},
    {"stampMinute", &ConstFormView::StampMinute}, {"stampSecond", &ConstFormView::StampSecond},
    {"stampTimeSeparated", &ConstFormView::StampTimeSeparated}, {"recordAction", &ConstFormView::RecordAction},
    {"lookupFile", &ConstFormView::LookupFile}, {"onErrorTarget", &ConstFormView::OnErrorTarget},
    {"lineCount", &ConstFormView::LinesToLastInput}, {"currentLine", &ConstFormView::CurrentLine},
};

constexpr IndexedField<ConstFormView> kLineFields[] = {
    {"lookupField", &ConstFormView::LookupField}, {"inputSource", &ConstFormView::InputSource},
    {"minLength", &ConstFormView::MinLength}, {"maxLength", &ConstFormView::MaxLength},
    {"fixedLength", &ConstFormView::FixedLength}, {"alignment", &ConstFormView::Alignment},
    {"fixedLengthValue", &ConstFormView::FixedLengthValue}, {"hasInitialValue", &ConstFormView::HasInitialValue},
    {"hasPrefix", &ConstFormView::HasPrefix}, {"hasSuffix", &ConstFormView::HasSuffix},
    {"partialMode", &ConstFormView::PartialMode}, {"partialStart", &ConstFormView::PartialStart},
    {"partialMaxLength", &ConstFormView::PartialMaxLength}, {"checkLeadingCode", &ConstFormView::CheckLeadingCode},
    {"autoEnter", &ConstFormView::AutoEnter}, {"inputMark", &ConstFormView::InputMark},
    {"checkDigit", &ConstFormView::CheckDigit}, {"decimals", &ConstFormView::Decimals},
};

constexpr IndexedField<ConstFormView> kFunctionKeyFields[] = {
    {"target", &ConstFormView::FnTarget}, {"summation", &ConstFormView::FnSummation},
    {"summationSource", &ConstFormView::FnSummationSource}, {"remains", &ConstFormView::FnRemains},
    {"remainsFilter", &ConstFormView::FnRemainsFilter},
};

constexpr Field<ConstLookupView> kLookupFields[] = {
    {"recordLength", &ConstLookupView::RecordLength}, {"fieldCount", &ConstLookupView::FieldCount},
    {"keyField", &ConstLookupView::KeyField}, {"delimiter", &ConstLookupView::Delimiter},
    {"uploadable", &ConstLookupView::Uploadable}, {"noMatchAction", &ConstLookupView::NoMatchAction},
    {"badRecordAction", &ConstLookupView::BadRecordAction}, {"readOnce", &ConstLookupView::ReadOnce},
    {"negativeRemains", &ConstLookupView::NegativeRemains}, {"deleteIfNull", &ConstLookupView::DeleteIfNull},
};

constexpr Field<ConstStartupView> kStartupFields[] = {
    {"layoutRevision", &ConstStartupView::LayoutRevision}, {"startWithMenu", &ConstStartupView::StartWithMenu},
    {"firstSeparator", &ConstStartupView::FirstSeparator}, {"secondSeparator", &ConstStartupView::SecondSeparator},
    {"separateDataFiles", &ConstStartupView::SeparateDataFiles}, {"uploadPort", &ConstStartupView::UploadPort},
    {"downloadPort", &ConstStartupView::DownloadPort}, {"baudRate", &ConstStartupView::BaudRate},
    {"backlight", &ConstStartupView::Backlight}, {"backlightIdle", &ConstStartupView::BacklightIdle},
    {"dataDeletion", &ConstStartupView::DataDeletion}, {"entryOption", &ConstStartupView::EntryOption},
    {"entryDuration", &ConstStartupView::EntryDuration}, {"largeFontScreens", &ConstStartupView::LargeFontScreens},
    {"functionKeyMapping", &ConstStartupView::FunctionKeyMapping}, {"codeIdEnabled", &ConstStartupView::CodeIdEnabled},
    {"modemSpeed", &ConstStartupView::ModemSpeed}, {"keyClick", &ConstStartupView::KeyClick},
    {"goodReadBeep", &ConstStartupView::GoodReadBeep}, {"warningBeep", &ConstStartupView::WarningBeep},
    {"vibratorDuration", &ConstStartupView::VibratorDuration},
    {"fieldReplacement", &ConstStartupView::FieldReplacement},
};

// The terminal's wedge settings have no view of their own: too few bytes are known.
struct TerminalField {
    const char* name;
    std::size_t offset;
};

constexpr TerminalField kTerminalFields[] = {
    {"keyboardType", task::terminal::kKeyboardType}, {"wedgeFlags", task::terminal::kWedgeFlags},
    {"characterDelay", task::terminal::kCharacterDelay}, {"transmitTimeout", task::terminal::kTransmitTimeout},
    {"addReturn", task::terminal::kAddReturn},
};

// A slot's bytes up to its first zero, as UTF-8: the whole slot when there is
// none, so a file's bytes show as they are.
Node SlotText(task::ConstSlot slot) { return Node::Text(common::Cp1251ToUtf8(task::TextBeforeZero(slot))); }

Node ByteList(task::ConstSlot bytes) {
    Node list = Node::Array();
    for (const Byte b : bytes) list.Push(Node::Number(b));
    return list;
}

// A run of one-byte entries read by index.
template <typename View>
Node ByteList(const View& view, Byte (View::*read)(int) const, int count) {
    Node list = Node::Array();
    for (int i = 0; i < count; ++i) list.Push(Node::Number((view.*read)(i)));
    return list;
}

// Every byte as two hex digits, for the bytes no field names.
Node Hex(task::ConstSlot bytes) {
    std::string text;
    for (const Byte b : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", b);
        text += pair;
    }
    return Node::Text(text);
}

template <typename View, std::size_t N>
void AddFields(Node& node, const View& view, const Field<View> (&fields)[N]) {
    for (const auto& field : fields) node.Add(field.name, (view.*field.read)());
}

template <typename View, std::size_t N>
void AddFields(Node& node, const View& view, const IndexedField<View> (&fields)[N], int index) {
    for (const auto& field : fields) node.Add(field.name, (view.*field.read)(index));
}

unsigned Word(const Byte* at) { return at[0] | (at[1] << 8); }

std::string EnglishName(int id) {
    static const text::StringTable table = strings::MakeStringTable();
    return common::Cp1251ToUtf8(table.BuiltIn(id));
}

Node DescribeBarcode(const task::TaskModel& model) {
    Node node = Node::Object();
    node.Add("bytes", Hex(model.barcode));
    for (const BarcodeField& field : kBarcodeFields) node.Add(field.name, field.bits.Of(model.barcode[field.byte]));
    return node;
}

Node DescribeMenu(const ConstMenuView& m) {
    Node node = Node::Object();
    AddFields(node, m, kMenuFields);
    node.Add("caption", SlotText(m.CaptionSlot()));
    Node& items = node.Add("items", Node::Array());
    for (int i = 0; i < task::menu::kItemCount; ++i) {
        Node item = Node::Object();
        item.Add("text", SlotText(m.ItemSlot(i)));
        item.Add("target", m.ItemTarget(i));
        items.Push(std::move(item));
    }
    return node;
}

Node DescribeLine(const ConstFormView& f, int j) {
    Node line = Node::Object();
    const Byte type = f.Type(j);
    line.Add("type", type);
    line.Add("typeName", Node::Text(type == 0    ? EnglishName(strings::id::kNilName)
                                    : type <= 18 ? EnglishName(strings::id::kFirstFieldTypeName + type - 1)
                                                 : "?"));
    line.Add("prompt", SlotText(f.PromptSlot(j)));
    AddFields(line, f, kLineFields, j);
    line.Add("initialValue", SlotText(f.InitialValueSlot(j)));
    line.Add("prefix", ByteList(f.PrefixSlot(j)));
    line.Add("suffix", ByteList(f.SuffixSlot(j)));
    line.Add("leadingCode", SlotText(f.LeadingCodeSlot(j)));
    line.Add("gs1Identifier", SlotText(f.Gs1IdentifierSlot(j)));
    line.Add("text", SlotText(f.LineTextSlot(j)));
    return line;
}

Node DescribeForm(const ConstFormView& f) {
    Node node = Node::Object();
    AddFields(node, f, kFormFields);
    node.Add("dateSeparator", SlotText(f.DateSeparatorSlot()));
    node.Add("timeSeparator", SlotText(f.TimeSeparatorSlot()));
    const Byte action = f.RecordAction();
    node.Add("recordActionName",
             Node::Text(action <= 8 ? EnglishName(strings::id::kFirstRecordActionName + action) : "?"));
    Node& lines = node.Add("lines", Node::Array());
    for (int j = 0; j < task::kFormLines; ++j) lines.Push(DescribeLine(f, j));
    Node& keys = node.Add("functionKeys", Node::Array());
    for (int k = 0; k < task::kFunctionKeys; ++k) {
        Node key = Node::Object();
        AddFields(key, f, kFunctionKeyFields, k);
        keys.Push(std::move(key));
    }
    return node;
}

Node DescribeLookup(const ConstLookupView& l) {
    Node node = Node::Object();
    AddFields(node, l, kLookupFields);
    node.Add("fieldOffsets", ByteList(l, &ConstLookupView::FieldOffset, task::lookup::kMaxFields));
    node.Add("fieldLengths", ByteList(l, &ConstLookupView::FieldLength, task::lookup::kMaxFields));
    return node;
}

// The 27 tables of either layout; every entry of the wide one is 21 bytes.
Node DescribeTexts(const Byte* texts, loader::TextLayout layout) {
    Node tables = Node::Array();
    for (int t = 1; t <= task::kTextTableCount; ++t) {
        const task::TextTable& table = task::kTextTables[t - 1];
        const std::size_t slot = layout == loader::TextLayout::Wide ? task::kWideSlot : table.slot;
        Node entries = Node::Array();
        for (int e = 0; e < table.entries; ++e) {
            entries.Push(SlotText(task::ConstSlot(texts + loader::TextEntryOffset(layout, t, e), slot)));
        }
        tables.Push(std::move(entries));
    }
    return tables;
}

Node DescribeTerminal(const task::TaskModel& model) {
    Node node = Node::Object();
    for (const TerminalField& field : kTerminalFields) node.Add(field.name, model.terminal[field.offset]);
    node.Add("bytes", Hex(model.terminal));
    return node;
}

Node DescribeStartup(const ConstStartupView& s) {
    using namespace task::startup;
    Node node = Node::Object();
    AddFields(node, s, kStartupFields);
    node.Add("uploadPhone", SlotText(s.UploadPhoneSlot()));
    node.Add("downloadPhone", SlotText(s.DownloadPhoneSlot()));
    node.Add("password", SlotText(s.PasswordSlot()));
    node.Add("protectedFunctions", ByteList(s, &ConstStartupView::ProtectedFunction, kProtectedFunctionCount));
    node.Add("protectedSounds", ByteList(s, &ConstStartupView::ProtectedSound, kProtectedSoundCount));
    node.Add("functionKeys", ByteList(s, &ConstStartupView::FunctionKey, kFunctionKeyCount));
    Node& codeIds = node.Add("codeIds", Node::Array());
    for (int i = 0; i < kCodeIdCount; ++i) codeIds.Push(ByteList(s.CodeIdSlot(i)));
    Node& extra = node.Add("extraTexts", Node::Array());
    for (int i = 0; i < kExtraTextCount; ++i) extra.Push(SlotText(s.ExtraTextSlot(i)));
    node.Add("bytes", Hex(s.Bytes()));
    return node;
}

Node DescribeWeightCode(const task::TaskModel& model) {
    using namespace task::weight;
    const Byte* w = model.weightCode.data();
    Node node = Node::Object();
    node.Add("magic", Word(w + kMagic));
    node.Add("enabled", kEnabled.Of(w[kFlags]));
    node.Add("oneCFormat", kOneCFormat.Of(w[kFlags]));
    node.Add("prefix", Node::Text(common::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(w + kPrefix), 2))));
    node.Add("maskCode", Word(w + kMaskCode));
    node.Add("keyField", Word(w + kKeyField));
    node.Add("quantityField", Word(w + kQuantityField));
    return node;
}

void AddBlocks(Node& root, const task::TaskModel& model, Node textTables) {
    root.Add("firmwareId", SlotText(model.firmwareId));
    root.Add("reserved", ByteList(model.reserved));
    root.Add("barcode", DescribeBarcode(model));
    Node& menus = root.Add("menus", Node::Array());
    for (const auto& m : model.menus) menus.Push(DescribeMenu(ConstMenuView(m)));
    Node& forms = root.Add("forms", Node::Array());
    for (const auto& f : model.forms) forms.Push(DescribeForm(ConstFormView(f)));
    Node& lookups = root.Add("lookups", Node::Array());
    for (const auto& l : model.lookups) lookups.Push(DescribeLookup(ConstLookupView(l)));
    root.Add("textTables", std::move(textTables));
    root.Add("terminal", DescribeTerminal(model));
    root.Add("startup", DescribeStartup(ConstStartupView(model.startup)));
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
