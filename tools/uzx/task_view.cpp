#include "tools/uzx/task_view.h"

#include <cstdio>
#include <string_view>

#include "common/cp1251.h"
#include "designer/editors/barcode_fields.h"
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

// The named fields of one block, as the barcode page's table names them.
void AddTableFields(Node& node, const task::TaskModel& model, editors::barcode::Block block) {
    using editors::barcode::Shape;
    for (const editors::barcode::FieldRow& row : editors::barcode::Fields()) {
        if (row.block != block || row.name.empty()) continue;
        const std::string name(row.name);
        if (row.shape == Shape::Chars) {
            const auto* bytes = reinterpret_cast<const char*>(editors::barcode::FieldBytes(model, row));
            node.Add(name, Node::Text(common::Cp1251ToUtf8(std::string_view(bytes, row.size))));
        } else {
            node.Add(name, editors::barcode::ValueOf(model, row));
        }
    }
}

Node DescribeBarcode(const task::TaskModel& model) {
    Node node = Node::Object();
    node.Add("bytes", Hex(model.barcode));
    AddTableFields(node, model, editors::barcode::Block::Barcode);
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
    Node node = Node::Object();
    node.Add("magic", Word(model.weightCode.data() + task::weight::kMagic));
    AddTableFields(node, model, editors::barcode::Block::WeightCode);
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
