#include "designer/editors/barcode_page.h"

#include <algorithm>

#include "designer/editors/barcode_controls.h"
#include "designer/editors/barcode_dialog.h"
#include "designer/editors/code_id_dialog.h"
#include "designer/editors/ean128_dialog.h"
#include "designer/editors/length_dialog.h"
#include "designer/editors/weight_code_dialog.h"
#include "designer/strings/string_ids.h"

namespace editors {
namespace {

namespace id = strings::id;
using barcode::Editor;
using K = ControlKind;

constexpr int kMaxTimeOut = 255;

constexpr int kReaderGroup = 9001;
constexpr int kSymbologyGroup = 9002;

// Where each symbology's check box sits in its group: a row, and a pair of
// grid columns (the box, then the "more..." of its dialog). Add-ons sit
// beside their symbology.
struct Cell {
    int check;
    int row;
    int pair;
};

constexpr Cell kCells[] = {
    {101, 0, 0},  {123, 0, 1},  {124, 0, 2},  {102, 1, 0},  {125, 1, 1},  {126, 1, 2},  {103, 2, 0},
    {127, 2, 1},  {128, 2, 2},  {104, 3, 0},  {119, 3, 1},  {105, 4, 0},  {120, 4, 1},  {106, 5, 0},
    {121, 5, 1},  {107, 6, 0},  {122, 6, 1},  {108, 7, 0},  {109, 7, 1},  {110, 8, 0},  {111, 8, 1},
    {112, 8, 2},  {113, 9, 0},  {114, 9, 1},  {115, 9, 2},  {116, 10, 0}, {117, 10, 1}, {118, 10, 2},
};
constexpr int kButtonRow = 11;

std::vector<ControlSpec> PageControls() {
    std::vector<ControlSpec> c = {
        {kReaderGroup, K::Group, id::kBarcodeReaderGroup, {0, 0, 0}},
        {9003, K::Label, id::kBarcodeScanModeLabel, {kReaderGroup, 0, 0}},
        {barcode::page::kScanModeList, K::Combo, 0, {kReaderGroup, 0, 1}},
        {9004, K::Label, id::kBarcodeRedundancyLabel, {kReaderGroup, 0, 2}},
        {barcode::page::kRedundancyList, K::Combo, 0, {kReaderGroup, 0, 3}},
        {9005, K::Label, id::kBarcodeTimeOutLabel, {kReaderGroup, 0, 4}},
        {barcode::page::kTimeOutBox, K::Edit, 0, {kReaderGroup, 0, 5, 1, 4}},
        {9006, K::Label, id::kBarcodeSecondsLabel, {kReaderGroup, 0, 6, 1, 0, true}},
        {kSymbologyGroup, K::Group, id::kBarcodeSymbologiesGroup, {0, 1, 0}},
    };
    for (const Cell& cell : kCells) {
        const barcode::FieldRow* row = barcode::RowOf(Editor::Page, cell.check);
        c.push_back({cell.check, K::Check, row->textId, {kSymbologyGroup, cell.row, 2 * cell.pair}});
        for (const barcode::DialogEntry& dialog : barcode::Dialogs()) {
            if (dialog.beside != cell.check) continue;
            c.push_back({dialog.button, K::Button, id::kBarcodeMoreButton,
                         {kSymbologyGroup, cell.row, 2 * cell.pair + 1}});
        }
    }
    c.push_back({barcode::DialogOf(Editor::CodeId)->button, K::Button, id::kBarcodeCodeIdButton,
                 {kSymbologyGroup, kButtonRow, 0}});
    c.push_back({barcode::DialogOf(Editor::WeightCode)->button, K::Button, id::kBarcodeWeightCodeButton,
                 {kSymbologyGroup, kButtonRow, 2}});
    return c;
}

std::unique_ptr<DialogModel> MakeDialog(EditorContext& context, Editor editor) {
    switch (editor) {
        case Editor::Industrial25:
        case Editor::Interleave25:
        case Editor::Matrix25:
        case Editor::Msi: return std::make_unique<LengthDialog>(context, editor);
        case Editor::Ean128: return std::make_unique<Ean128Dialog>(context);
        case Editor::WeightCode: return std::make_unique<WeightCodeDialog>(context);
        case Editor::CodeId: return std::make_unique<CodeIdDialog>(context);
        default: return std::make_unique<BarcodeDialog>(context, editor);
    }
}

}  // namespace

NumberEntry TimeOutRule(std::string_view text) {
    NumberEntry entry;
    if (!ParseDigits(text, entry.value) || entry.value == 0) entry.value = 1;
    entry.value = std::min(entry.value, kMaxTimeOut);
    entry.text = std::to_string(entry.value);
    return entry;
}

BarcodePage::BarcodePage(EditorContext& context, std::string title)
    : PageModel(context, "BARCODESETTINGDLG", std::move(title), PageControls()), working_(context.Live()) {
    for (const barcode::FieldRow& row : barcode::Fields()) {
        if (row.editor != Editor::Page || row.control == barcode::ControlType::None) continue;
        if (row.control == barcode::ControlType::List) SetItems(row.id, barcode::ListItems(context, row.items));
        auto binding = row.control == barcode::ControlType::Edit
                           ? NumberBinding(barcode::FieldIn(working_, row),
                                           [](std::string_view text, int) { return TimeOutRule(text); })
                           : barcode::RowBinding(row, barcode::FieldIn(working_, row));
        Bind(row.id, std::move(binding));
    }
    LoadControls();
}

void BarcodePage::OnClicked(int id) {
    if (const barcode::DialogEntry* dialog = barcode::DialogOfButton(id)) {
        OpenDialog(MakeDialog(Context(), dialog->editor));
    }
}

void BarcodePage::Commit() {
    const auto field = [this](std::string_view name) { return barcode::FieldIn(working_, barcode::RowNamed(name)); };
    const int code128 = field("code128").Get();
    const int ean128 = field("ean128").Get();
    field("code128OrEan128").Set(code128 | ean128);
    // With neither checked the reader reads no Code 128 at all; the second
    // copy then keeps what it held.
    if (code128 | ean128) field("code128Copy").Set(code128);
    barcode::CopyFields(Editor::Page, working_, Context().LiveTask().model);
}

}  // namespace editors
