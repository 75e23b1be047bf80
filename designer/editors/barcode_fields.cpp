#include "designer/editors/barcode_fields.h"

#include <algorithm>
#include <cassert>

#include "designer/strings/string_ids.h"

namespace editors::barcode {
namespace {

namespace id = strings::id;
using E = Editor;
using C = ControlType;

// Row makers, so the table reads as one line per field.
constexpr FieldRow Bits(std::string_view name, std::size_t byte, int shift, int width, Editor editor,
                        ControlType control = C::None, int controlId = 0, int textId = 0,
                        std::span<const Choice> choices = {}) {
    return {name, Block::Barcode, byte, Shape::Bits, {shift, width}, 0, editor, control, controlId, textId, choices, {}};
}

constexpr FieldRow Check(std::string_view name, std::size_t byte, int bit, Editor editor, int controlId, int textId) {
    return Bits(name, byte, bit, 1, editor, C::Check, controlId, textId);
}

// A check box of the page: its caption is numbered like its id.
constexpr FieldRow PageCheck(std::string_view name, std::size_t byte, int bit, int controlId) {
    return Check(name, byte, bit, E::Page, controlId, id::kFirstSymbologyCheck + controlId - page::kFirstCheck);
}

constexpr FieldRow Radios(std::string_view name, std::size_t byte, int shift, int width, Editor editor, int firstId,
                          int groupId, std::span<const Choice> choices) {
    return Bits(name, byte, shift, width, editor, C::Radios, firstId, groupId, choices);
}

constexpr FieldRow List(std::string_view name, std::size_t byte, int shift, int width, int controlId, int labelId,
                        Items items) {
    FieldRow row = Bits(name, byte, shift, width, E::Page, C::List, controlId, labelId);
    row.items = items;
    return row;
}

constexpr FieldRow Edit(std::string_view name, std::size_t byte, int shift, int width, Editor editor, int controlId,
                        int labelId) {
    return Bits(name, byte, shift, width, editor, C::Edit, controlId, labelId);
}

constexpr FieldRow Other(std::string_view name, Block block, std::size_t offset, Shape shape, std::size_t size,
                         Editor editor, ControlType control, int controlId, int textId, Items items = {}) {
    const task::BitField bits = shape == Shape::Bits ? task::BitField{0, 8} : task::BitField{0, 0};
    return {name, block, offset, shape, bits, size, editor, control, controlId, textId, {}, items};
}

constexpr FieldRow WeightFlag(std::string_view name, task::BitField bits, int controlId, int textId) {
    return {name, Block::WeightCode, task::weight::kFlags, Shape::Bits, bits, 0, E::WeightCode, C::Check, controlId,
            textId, {}, {}};
}

constexpr FieldRow WeightList(std::string_view name, std::size_t offset, int controlId, int labelId, Items items) {
    return Other(name, Block::WeightCode, offset, Shape::Word, 2, E::WeightCode, C::List, controlId, labelId, items);
}

constexpr Choice kPatterns[] = {
    {0, id::kFirstStartStopPattern}, {1, id::kFirstStartStopPattern + 1}, {2, id::kFirstStartStopPattern + 2}};
constexpr Choice kLengthModes[] = {{0, id::kFixedLengthRadio}, {1, id::kMaxMinLengthRadio}};
// "None" clears bits 5-3; a character set sets bit 3 and its number in bits 5-4.
constexpr Choice kCodabarStartStop[] = {{0, id::kCodabarNoneRadio},
                                        {1, id::kFirstCodabarStartStop},
                                        {3, id::kFirstCodabarStartStop + 1},
                                        {5, id::kFirstCodabarStartStop + 2},
                                        {7, id::kFirstCodabarStartStop + 3}};
constexpr Choice kMsiVerification[] = {
    {0, id::kFirstMsiVerification}, {1, id::kFirstMsiVerification + 1}, {2, id::kFirstMsiVerification + 2}};
constexpr Choice kMsiTransmission[] = {
    {0, id::kFirstMsiTransmission}, {1, id::kFirstMsiTransmission + 1}, {2, id::kFirstMsiTransmission + 2}};
constexpr Choice kTelepenModes[] = {{1, id::kTelepenOriginalRadio}, {0, id::kTelepenAimRadio}};

constexpr int kVerify = id::kVerifyChecksumLabel;
constexpr int kTransmit = id::kTransmitChecksumLabel;

constexpr FieldRow kFields[] = {
    PageCheck("code39", 0, 7, 101),
    PageCheck("italianPharmacode", 0, 6, 102),
    PageCheck("frenchPharmacode", 0, 5, 103),
    PageCheck("industrial25", 0, 4, 104),
    PageCheck("interleave25", 0, 3, 105),
    PageCheck("matrix25", 0, 2, 106),
    PageCheck("codabar", 0, 1, 107),
    PageCheck("code93", 0, 0, 123),
    Bits("code128OrEan128", 1, 7, 1, E::Page),  // derived from 124 and 125 on commit
    PageCheck("upce", 1, 6, 110),
    PageCheck("upceAddOn2", 1, 5, 111),
    PageCheck("upceAddOn5", 1, 4, 112),
    PageCheck("ean8", 1, 3, 113),
    PageCheck("ean8AddOn2", 1, 2, 114),
    PageCheck("ean8AddOn5", 1, 1, 115),
    PageCheck("ean13Upca", 1, 0, 116),
    PageCheck("ean13AddOn2", 2, 7, 117),
    PageCheck("ean13AddOn5", 2, 6, 118),
    PageCheck("msi", 2, 5, 108),
    PageCheck("plessey", 2, 4, 109),
    PageCheck("telepen", 2, 2, 119),
    Radios("telepenOriginal", 2, 1, 1, E::Telepen, 151, id::kTelepenModeGroup, kTelepenModes),
    PageCheck("rss14Limited", 2, 0, 121),
    PageCheck("rss14Expanded", 3, 7, 122),
    PageCheck("rss14", 3, 6, 120),
    Check("rss14CodeId", 3, 5, E::Rss14, 101, id::kTransmitCodeIdLabel),
    Check("rss14ApplicationId", 3, 4, E::Rss14, 102, id::kTransmitApplicationIdLabel),
    Check("rss14CheckDigit", 3, 3, E::Rss14, 103, id::kTransmitCheckDigitLabel),
    Check("rss14LimitedCodeId", 3, 2, E::Rss14Limited, 101, id::kTransmitCodeIdLabel),
    Check("rss14LimitedApplicationId", 3, 1, E::Rss14Limited, 102, id::kTransmitApplicationIdLabel),
    Check("rss14LimitedCheckDigit", 3, 0, E::Rss14Limited, 103, id::kTransmitCheckDigitLabel),
    Check("rss14ExpandedCodeId", 4, 7, E::Rss14Expanded, 101, id::kTransmitCodeIdLabel),
    Check("upceTripleCheck", 4, 6, E::Upce, 101, id::kUpce1TripleCheckLabel),
    Check("upce1", 4, 5, E::Upce, 102, id::kUpce1Label),
    Check("coop25VerifyCheckDigit", 4, 4, E::Coop25, 101, id::kVerifyCheckDigitLabel),
    Check("coop25TransmitCheckDigit", 4, 3, E::Coop25, 102, id::kTransmitCheckDigitLabel),
    PageCheck("coop25", 4, 2, 127),
    Check("code39StartStop", 5, 7, E::Code39, 101, id::kTransmitStartStopLabel),
    Check("code39VerifyChecksum", 5, 6, E::Code39, 102, kVerify),
    Check("code39TransmitChecksum", 5, 5, E::Code39, 103, kTransmit),
    Check("code39FullAscii", 5, 4, E::Code39, 104, id::kFullAsciiLabel),
    Check("italianPharmacodeChecksum", 5, 3, E::ItalyPharma, 101, kTransmit),
    Check("frenchPharmacodeChecksum", 5, 2, E::FrenchPharma, 101, kTransmit),
    Check("interleave25VerifyChecksum", 5, 1, E::Interleave25, 101, kVerify),
    Check("interleave25TransmitChecksum", 5, 0, E::Interleave25, 102, kTransmit),
    Check("industrial25VerifyChecksum", 6, 7, E::Industrial25, 101, kVerify),
    Check("industrial25TransmitChecksum", 6, 6, E::Industrial25, 102, kTransmit),
    Check("matrix25VerifyChecksum", 6, 5, E::Matrix25, 101, kVerify),
    Check("matrix25TransmitChecksum", 6, 4, E::Matrix25, 102, kTransmit),
    Radios("interleave25StartStop", 6, 2, 2, E::Interleave25, 151, id::kStartStopPatternGroup, kPatterns),
    Radios("industrial25StartStop", 6, 0, 2, E::Industrial25, 151, id::kStartStopPatternGroup, kPatterns),
    Radios("matrix25StartStop", 7, 6, 2, E::Matrix25, 151, id::kStartStopPatternGroup, kPatterns),
    Bits("codabarStartStopCharacters", 7, 4, 2, E::Codabar),
    Bits("codabarTransmitStartStop", 7, 3, 1, E::Codabar),
    Radios("", 7, 3, 3, E::Codabar, 151, id::kCodabarStartStopGroup, kCodabarStartStop),
    Radios("msiVerification", 9, 6, 2, E::Msi, 151, id::kMsiVerificationGroup, kMsiVerification),
    Radios("msiTransmission", 9, 4, 2, E::Msi, 154, id::kMsiTransmissionGroup, kMsiTransmission),
    Check("plesseyTransmitChecksum", 9, 3, E::Plessey, 101, kTransmit),
    Check("plesseyUk", 9, 2, E::Plessey, 102, id::kUkPlesseyLabel),
    Check("upceToUpca", 9, 1, E::Upce, 103, id::kUpceToUpcaLabel),
    Check("upcaToEan13", 9, 0, E::Ean13, 101, id::kUpcaToEan13Label),
    Check("ean13Isbn", 10, 7, E::Ean13, 102, id::kIsbnLabel),
    Check("ean13Issn", 10, 6, E::Ean13, 103, id::kIssnLabel),
    Check("upceTransmitChecksum", 10, 5, E::Upce, 104, kTransmit),
    Check("upcaTransmitChecksum", 10, 4, E::Ean13, 104, id::kTransmitUpcaChecksumLabel),
    Check("ean8TransmitChecksum", 10, 3, E::Ean8, 101, kTransmit),
    Check("ean13TransmitChecksum", 10, 2, E::Ean13, 105, kTransmit),
    Check("upceSystemNumber", 10, 1, E::Upce, 105, id::kTransmitSystemNumberLabel),
    Check("upcaSystemNumber", 10, 0, E::Ean13, 106, id::kTransmitUpcaSystemNumberLabel),
    Check("ean8ToEan13", 11, 7, E::Ean8, 102, id::kEan8ToEan13Label),
    PageCheck("negativeBarcodes", 11, 4, 126),
    List("readRedundancy", 11, 2, 2, page::kRedundancyList, id::kBarcodeRedundancyLabel,
         {Items::Kind::Strings, id::kFirstRedundancyName, 4, 0}),
    Radios("industrial25MaxMin", 12, 7, 1, E::Industrial25, 154, id::kLengthGroup, kLengthModes),
    PageCheck("isbt128", 12, 6, 128),
    Check("ean13Gtin", 12, 5, E::Ean13, 107, id::kGtinLabel),
    Edit("industrial25Length1", 12, 0, 5, E::Industrial25, 301, id::kMaxLengthLabel),
    Edit("industrial25Length2", 13, 0, 8, E::Industrial25, 302, id::kMinLengthLabel),
    Radios("interleave25MaxMin", 14, 7, 1, E::Interleave25, 154, id::kLengthGroup, kLengthModes),
    Edit("interleave25Length1", 14, 0, 7, E::Interleave25, 301, id::kMaxLengthLabel),
    Edit("interleave25Length2", 15, 0, 8, E::Interleave25, 302, id::kMinLengthLabel),
    Radios("matrix25MaxMin", 16, 7, 1, E::Matrix25, 154, id::kLengthGroup, kLengthModes),
    Edit("matrix25Length1", 16, 0, 7, E::Matrix25, 301, id::kMaxLengthLabel),
    Edit("matrix25Length2", 17, 0, 8, E::Matrix25, 302, id::kMinLengthLabel),
    Radios("msiMaxMin", 18, 7, 1, E::Msi, 157, id::kLengthGroup, kLengthModes),
    Edit("msiLength1", 18, 0, 7, E::Msi, 301, id::kMaxLengthLabel),
    Edit("msiLength2", 19, 0, 8, E::Msi, 302, id::kMinLengthLabel),
    List("scanMode", 20, 4, 4, page::kScanModeList, id::kBarcodeScanModeLabel,
         {Items::Kind::Strings, id::kFirstScanModeName, 9, 0}),
    Bits("byte20Low", 20, 0, 4, E::None),
    Edit("readerTimeout", 21, 0, 8, E::Page, page::kTimeOutBox, id::kBarcodeTimeOutLabel),
    PageCheck("code128", 22, 7, page::kCode128Check),
    PageCheck("ean128", 22, 6, page::kEan128Check),
    {"ean128NoCodeId", Block::Barcode, 22, Shape::Bits, {5, 1}, 0, E::Ean128, C::InvertedCheck, ean128::kCodeIdCheck,
     id::kTransmitCodeIdLabel, {}, {}},
    Bits("code128Copy", 22, 4, 1, E::Page),  // follows 124 on commit

    Other("codeIdEnabled", Block::Startup, task::startup::kCodeIdEnabled, Shape::Bits, 1, E::CodeId, C::Check,
          code_id::kEnableCheck, id::kCodeIdEnableLabel),
    Other("codeIds", Block::Startup, task::startup::kCodeIds, Shape::Chars,
          task::startup::kCodeIdCount * task::startup::kCodeIdWidth, E::CodeId, C::KeyCodes, code_id::kFirstCodeBox,
          id::kFirstCodeIdSymbology),
    Other("fieldReplacement", Block::Startup, task::startup::kFieldReplacement, Shape::Bits, 1, E::Ean128,
          C::CharacterEdits, ean128::kCharacterBox, id::kFieldReplacementGroup),

    WeightFlag("enabled", task::weight::kEnabled, weight_code::kEnableCheck, id::kWeightEnableLabel),
    WeightFlag("oneCFormat", task::weight::kOneCFormat, weight_code::kOneCFormatCheck, id::kWeightOneCFormatLabel),
    Other("prefix", Block::WeightCode, task::weight::kPrefix, Shape::Chars, 2, E::WeightCode, C::Edit,
          weight_code::kPrefixBox, id::kWeightPrefixLabel),
    WeightList("maskCode", task::weight::kMaskCode, weight_code::kMaskList, id::kWeightMaskLabel,
               {Items::Kind::TwoDigits, 0, 5, 5}),
    WeightList("keyField", task::weight::kKeyField, weight_code::kKeyFieldList, id::kWeightKeyFieldLabel,
               {Items::Kind::Numbered, id::kFieldNumbered, 8, 1}),
    WeightList("quantityField", task::weight::kQuantityField, weight_code::kQuantityList, id::kWeightQuantityLabel,
               {Items::Kind::Numbered, id::kFieldNumbered, 8, 1}),
};

constexpr int Title(int button) { return id::kFirstBarcodeDialogTitle + button - page::kFirstDialogButton; }

constexpr DialogEntry kDialogs[] = {
    {E::Code39, 201, 101, "Code39Dlg", Title(201)},
    {E::ItalyPharma, 202, 102, "ItalyPharmaDlg", Title(202)},
    {E::FrenchPharma, 203, 103, "FrenchPharmaDlg", Title(203)},
    {E::Industrial25, 204, 104, "Industrial25Dlg", Title(204)},
    {E::Interleave25, 205, 105, "Interleave25Dlg", Title(205)},
    {E::Matrix25, 206, 106, "Matrix25Dlg", Title(206)},
    {E::Codabar, 207, 107, "CodabarDlg", Title(207)},
    {E::Msi, 208, 108, "MSIDlg", Title(208)},
    {E::Plessey, 209, 109, "PlesseyDlg", Title(209)},
    {E::Upce, 210, 110, "UPCEDlg", Title(210)},
    {E::Ean8, 211, 113, "EAN8Dlg", Title(211)},
    {E::Ean13, 212, 116, "EAN13Dlg", Title(212)},
    {E::Telepen, 213, 119, "TelepenDlg", Title(213)},
    {E::Rss14, 214, 120, "RSS14Dlg", Title(214)},
    {E::Rss14Limited, 215, 121, "RSS14LimitedDlg", Title(215)},
    {E::Rss14Expanded, 216, 122, "RSS14ExpandedDlg", Title(216)},
    {E::Ean128, 217, 125, "EAN128Dlg", Title(217)},
    {E::CodeId, 218, 0, "CODEIDDLG", Title(218)},
    {E::WeightCode, 219, 0, "WEIGHTCODE", Title(219)},
    {E::Coop25, 220, 127, "COOP25DLG", Title(220)},
};

task::Byte* BlockBytes(task::TaskModel& model, Block block) {
    switch (block) {
        case Block::Barcode: return model.barcode.data();
        case Block::Startup: return model.startup.data();
        case Block::WeightCode: return model.weightCode.data();
    }
    return nullptr;
}

// The bytes a field takes.
std::size_t Width(const FieldRow& row) {
    switch (row.shape) {
        case Shape::Bits: return 1;
        case Shape::Word: return 2;
        case Shape::Chars: return row.size;
    }
    return 0;
}

}  // namespace

std::span<const FieldRow> Fields() { return kFields; }

std::span<const DialogEntry> Dialogs() { return kDialogs; }

const DialogEntry* DialogOf(Editor editor) {
    const auto found = std::find_if(std::begin(kDialogs), std::end(kDialogs),
                                    [editor](const DialogEntry& d) { return d.editor == editor; });
    return found == std::end(kDialogs) ? nullptr : &*found;
}

const DialogEntry* DialogOfButton(int button) {
    const auto found = std::find_if(std::begin(kDialogs), std::end(kDialogs),
                                    [button](const DialogEntry& d) { return d.button == button; });
    return found == std::end(kDialogs) ? nullptr : &*found;
}

const FieldRow* RowOf(Editor editor, int controlId) {
    const auto found = std::find_if(std::begin(kFields), std::end(kFields), [&](const FieldRow& row) {
        return row.editor == editor && row.control != ControlType::None && row.id == controlId;
    });
    return found == std::end(kFields) ? nullptr : &*found;
}

const FieldRow& RowNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(kFields), std::end(kFields),
                                    [name](const FieldRow& row) { return row.name == name; });
    assert(found != std::end(kFields));
    return *found;
}

task::Byte* FieldBytes(task::TaskModel& model, const FieldRow& row) { return BlockBytes(model, row.block) + row.offset; }

const task::Byte* FieldBytes(const task::TaskModel& model, const FieldRow& row) {
    return FieldBytes(const_cast<task::TaskModel&>(model), row);
}

int ValueOf(const task::TaskModel& model, const FieldRow& row) {
    const task::Byte* bytes = FieldBytes(model, row);
    if (row.shape == Shape::Word) return bytes[0] | (bytes[1] << 8);
    return row.bits.Of(bytes[0]);
}

void CopyFields(Editor editor, const task::TaskModel& from, task::TaskModel& to) {
    for (const FieldRow& row : kFields) {
        if (row.editor != editor) continue;
        const task::Byte* source = FieldBytes(from, row);
        task::Byte* target = FieldBytes(to, row);
        if (row.shape == Shape::Bits) {
            target[0] = row.bits.With(target[0], row.bits.Of(source[0]));
        } else {
            std::copy_n(source, Width(row), target);
        }
    }
}

}  // namespace editors::barcode
