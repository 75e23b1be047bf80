// The barcode table against the layout of BarcodeSettings worked out by hand:
// the default bytes read back as each field's default, the bits each
// template owns, and the control ids inside the dialogs.
#include "designer/editors/barcode_fields.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace editors::barcode {
namespace {

using Bytes = std::array<task::Byte, task::kBarcodeSettingsSize>;

// A new task's BarcodeSettings, byte by byte.
constexpr Bytes kDefaultBytes = {0x9B, 0xC9, 0x00, 0x3F, 0x88, 0x2D, 0x54, 0x80, 0x00, 0x19, 0x3D, 0x00,
                                 0x9F, 0x01, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xC0};

TEST(BarcodeFields, TheDefaultBytesReadAsEveryFieldsDefault) {
    const std::map<std::string_view, int> defaults = {
        {"code39", 1}, {"italianPharmacode", 0}, {"frenchPharmacode", 0}, {"industrial25", 1}, {"interleave25", 1},
        {"matrix25", 0}, {"codabar", 1}, {"code93", 1}, {"code128OrEan128", 1}, {"upce", 1}, {"upceAddOn2", 0},
        {"upceAddOn5", 0}, {"ean8", 1}, {"ean8AddOn2", 0}, {"ean8AddOn5", 0}, {"ean13Upca", 1}, {"ean13AddOn2", 0},
        {"ean13AddOn5", 0}, {"msi", 0}, {"plessey", 0}, {"telepen", 0}, {"telepenOriginal", 0}, {"rss14Limited", 0},
        {"rss14Expanded", 0}, {"rss14", 0}, {"rss14CodeId", 1}, {"rss14ApplicationId", 1}, {"rss14CheckDigit", 1},
        {"rss14LimitedCodeId", 1}, {"rss14LimitedApplicationId", 1}, {"rss14LimitedCheckDigit", 1},
        {"rss14ExpandedCodeId", 1}, {"upceTripleCheck", 0}, {"upce1", 0}, {"coop25VerifyCheckDigit", 0},
        {"coop25TransmitCheckDigit", 1}, {"coop25", 0}, {"code39StartStop", 0}, {"code39VerifyChecksum", 0},
        {"code39TransmitChecksum", 1}, {"code39FullAscii", 0}, {"italianPharmacodeChecksum", 1},
        {"frenchPharmacodeChecksum", 1}, {"interleave25VerifyChecksum", 0}, {"interleave25TransmitChecksum", 1},
        {"industrial25VerifyChecksum", 0}, {"industrial25TransmitChecksum", 1}, {"matrix25VerifyChecksum", 0},
        {"matrix25TransmitChecksum", 1}, {"interleave25StartStop", 1}, {"industrial25StartStop", 0},
        {"matrix25StartStop", 2}, {"codabarStartStopCharacters", 0}, {"codabarTransmitStartStop", 0},
        {"msiVerification", 0}, {"msiTransmission", 1}, {"plesseyTransmitChecksum", 1}, {"plesseyUk", 0},
        {"upceToUpca", 0}, {"upcaToEan13", 1}, {"ean13Isbn", 0}, {"ean13Issn", 0}, {"upceTransmitChecksum", 1},
        {"upcaTransmitChecksum", 1}, {"ean8TransmitChecksum", 1}, {"ean13TransmitChecksum", 1},
        {"upceSystemNumber", 0}, {"upcaSystemNumber", 1}, {"ean8ToEan13", 0}, {"negativeBarcodes", 0},
        {"readRedundancy", 0}, {"industrial25MaxMin", 1}, {"isbt128", 0}, {"ean13Gtin", 0},
        {"industrial25Length1", 31}, {"industrial25Length2", 1}, {"interleave25MaxMin", 1},
        {"interleave25Length1", 126}, {"interleave25Length2", 1}, {"matrix25MaxMin", 1}, {"matrix25Length1", 127},
        {"matrix25Length2", 1}, {"msiMaxMin", 1}, {"msiLength1", 127}, {"msiLength2", 1}, {"scanMode", 6},
        {"byte20Low", 6}, {"readerTimeout", 3}, {"code128", 1}, {"ean128", 1}, {"ean128NoCodeId", 0},
        {"code128Copy", 0},
    };
    task::TaskModel model;
    model.barcode = kDefaultBytes;
    std::set<std::string_view> seen;
    for (const FieldRow& row : Fields()) {
        if (row.block != Block::Barcode || row.name.empty()) continue;
        ASSERT_EQ(defaults.count(row.name), 1u) << row.name;
        EXPECT_EQ(ValueOf(model, row), defaults.at(row.name)) << row.name;
        EXPECT_TRUE(seen.insert(row.name).second) << row.name << " twice";
    }
    EXPECT_EQ(seen.size(), defaults.size());
}

// Each bit of BarcodeSettings: the named fields hold it at most once.
TEST(BarcodeFields, NamedFieldsNeverShareABitAndLeaveTheUnlistedOnes) {
    Bytes taken{};
    for (const FieldRow& row : Fields()) {
        if (row.block != Block::Barcode || row.name.empty()) continue;
        EXPECT_EQ(taken[row.offset] & row.bits.Mask(), 0) << row.name;
        taken[row.offset] |= row.bits.Mask();
    }
    // Byte 8, byte 2 bit 3, byte 4 bits 1-0, byte 7 bits 2-0, byte 11 bits
    // 6-5 and 1-0 and byte 22 bits 3-0 belong to no field.
    const Bytes listed = {0xFF, 0xFF, 0xF7, 0xFF, 0xFC, 0xFF, 0xFF, 0xF8, 0x00, 0xFF, 0xFF, 0x9C,
                          0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0};
    EXPECT_EQ(taken, listed);
}

// What OK of each template writes: its own bits and nothing else.
TEST(BarcodeFields, EachTemplateCopiesOnlyItsOwnBits) {
    task::TaskModel all;
    all.barcode.fill(0xFF);
    all.startup.fill(0xFF);
    all.weightCode.fill(0xFF);
    const auto written = [&all](Editor editor) {
        task::TaskModel none{};
        CopyFields(editor, all, none);
        return none;
    };
    EXPECT_EQ(written(Editor::Page).barcode, (Bytes{0xFF, 0xFF, 0xF5, 0xC0, 0x04, 0, 0, 0, 0, 0, 0, 0x1C, 0x40, 0, 0,
                                                    0, 0, 0, 0, 0, 0xF0, 0xFF, 0xD0}));
    EXPECT_EQ(written(Editor::Code39).barcode, (Bytes{0, 0, 0, 0, 0, 0xF0}));
    EXPECT_EQ(written(Editor::Industrial25).barcode,
              (Bytes{0, 0, 0, 0, 0, 0, 0xC3, 0, 0, 0, 0, 0, 0x9F, 0xFF}));
    EXPECT_EQ(written(Editor::Msi).barcode,
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(written(Editor::Codabar).barcode, (Bytes{0, 0, 0, 0, 0, 0, 0, 0x38}));
    EXPECT_EQ(written(Editor::Upce).barcode, (Bytes{0, 0, 0, 0, 0x60, 0, 0, 0, 0, 0x02, 0x22}));
    EXPECT_EQ(written(Editor::Ean13).barcode, (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0xD5, 0, 0x20}));

    const task::TaskModel ean128 = written(Editor::Ean128);
    EXPECT_EQ(ean128.barcode[22], 0x20);
    EXPECT_EQ(ean128.startup[task::startup::kFieldReplacement], 0xFF);
    EXPECT_EQ(std::count(ean128.startup.begin(), ean128.startup.end(), 0xFF), 1);

    const task::TaskModel codeIds = written(Editor::CodeId);
    EXPECT_EQ(codeIds.barcode, Bytes{});
    EXPECT_EQ(std::count(codeIds.startup.begin(), codeIds.startup.end(), 0xFF), 31) << "bytes 84..114";
    EXPECT_EQ(codeIds.startup[84], 0xFF);
    EXPECT_EQ(codeIds.startup[114], 0xFF);

    // The first word of WeightCodeSettings and the high byte of its flags are no field of the dialog.
    const std::array<task::Byte, 12> weight = {0, 0, 0x03, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(written(Editor::WeightCode).weightCode, weight);
}

// Inside the dialogs: check boxes from 101, radio buttons from 151, boxes
// from 301 and lists from 401, in the order of the rows.
TEST(BarcodeFields, DialogControlIdsFollowTheRows) {
    for (const DialogEntry& dialog : Dialogs()) {
        std::map<ControlType, int> next = {{ControlType::Check, 101}, {ControlType::Radios, 151},
                                           {ControlType::Edit, 301},  {ControlType::List, 401},
                                           {ControlType::CharacterEdits, 301}, {ControlType::KeyCodes, 301}};
        next[ControlType::InvertedCheck] = 101;
        for (const FieldRow& row : Fields()) {
            if (row.editor != dialog.editor || row.control == ControlType::None) continue;
            ControlType kind = row.control == ControlType::InvertedCheck ? ControlType::Check : row.control;
            EXPECT_EQ(row.id, next[kind]) << dialog.templateName << " " << row.name;
            const int used = row.control == ControlType::Radios           ? static_cast<int>(row.choices.size())
                             : row.control == ControlType::CharacterEdits ? 2
                             : row.control == ControlType::KeyCodes       ? task::startup::kCodeIdCount
                                                                           : 1;
            next[kind] = row.id + used;
        }
    }
    // A few as the README lists them.
    EXPECT_EQ(RowOf(Editor::Industrial25, 301)->name, "industrial25Length1");
    EXPECT_EQ(RowOf(Editor::Msi, 157)->name, "msiMaxMin");
    EXPECT_EQ(RowOf(Editor::Upce, 105)->name, "upceSystemNumber");
    EXPECT_EQ(RowOf(Editor::WeightCode, 403)->name, "quantityField");
    EXPECT_EQ(RowOf(Editor::Page, 123)->name, "code93");
    EXPECT_EQ(DialogOfButton(212)->templateName, "EAN13Dlg");
    EXPECT_EQ(DialogOf(Editor::Coop25)->button, 220);
}

}  // namespace
}  // namespace editors::barcode
