#include "designer/editors/function_key_dialog.h"

#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"
#include "designer/task/startup_view.h"

namespace editors {

namespace {

using namespace task::startup;
using K = ControlKind;
namespace id = strings::id;

constexpr int kFunctions = 20;

std::vector<ControlSpec> FunctionKeyControls() {
    std::vector<ControlSpec> c = {
        {FunctionKeyDialog::kEnableCheck, K::Check, id::kFunctionKeyEnableCheck, {0, 0, 0, 2}}};
    for (int key = 0; key < kFunctionKeyCount; ++key) {
        c.push_back({9001 + key, K::Label, id::kFirstFunctionKeyLabel + key, {0, key + 1, 0}});
        c.push_back({FunctionKeyDialog::kFirstKeyList + key, K::Combo, 0, {0, key + 1, 1}});
    }
    return c;
}

}  // namespace

FunctionKeyDialog::FunctionKeyDialog(EditorContext& context, task::StartupSettings& settings)
    : DialogModel(context, "FUNCTIONKEYDLG", context.DirectText(id::kFunctionKeyTitle), FunctionKeyControls()),
      settings_(settings) {
    BackUp(settings_);
    Bind(kEnableCheck, CheckBinding(Field::Whole([this] { return &settings_[kFunctionKeyMapping]; })));
    const std::vector<std::string> functions = TextItems(context, id::kFirstFunctionName, kFunctions);
    for (int key = 0; key < kFunctionKeyCount; ++key) {
        SetItems(kFirstKeyList + key, functions);
        const std::size_t offset = kFunctionKeys + static_cast<std::size_t>(key);
        Bind(kFirstKeyList + key, ListBinding(Field::Whole([this, offset] { return &settings_[offset]; })));
    }
    LoadControls();
}

void FunctionKeyDialog::Update() {
    const bool mapped = task::ConstStartupView(settings_).FunctionKeyMapping() != 0;
    for (int key = 0; key < kFunctionKeyCount; ++key) Enable(kFirstKeyList + key, mapped);
}

}  // namespace editors
