#include "designer/editors/property_sheet.h"

#include "designer/editors/barcode_page.h"
#include "designer/editors/form_page.h"
#include "designer/editors/lookup_page.h"
#include "designer/editors/menu_page.h"
#include "designer/editors/settings_page.h"
#include "designer/editors/startup_page.h"
#include "designer/strings/string_ids.h"

namespace editors {
namespace {

template <typename Page>
std::unique_ptr<PageModel> Make(EditorContext& context, std::string title) {
    return std::make_unique<Page>(context, std::move(title));
}

constexpr PageKind kDesignerPages[] = {
    {"FORMDLG", strings::id::kFormPageTitle, Make<FormPage>},
    {"MENUDLG", strings::id::kMenuPageTitle, Make<MenuPage>},
    {"LOOKUPDLG", strings::id::kLookupPageTitle, Make<LookupPage>},
    {"BARCODESETTINGDLG", strings::id::kBarcodePageTitle, Make<BarcodePage>},
    {"SETTINGSDLG", strings::id::kSettingsPageTitle, Make<SettingsPage>},
    {"STARTUPDLG", strings::id::kStartupPageTitle, Make<StartupPage>},
};

constexpr char kNoFile[] = "Unknow";

}  // namespace

std::span<const PageKind> DesignerPages() { return kDesignerPages; }

PropertySheet::PropertySheet(task::Task& task, text::StringTable& strings, common::UiPort& ui,
                             const task::DefaultTexts& defaults, std::span<const PageKind> pages)
    : task_(task), kinds_(pages), context_(task, strings, ui, defaults, dialogs_), pages_(pages.size()) {
    ShowPage(0);
}

PropertySheet::~PropertySheet() = default;

std::string PropertySheet::Caption() const {
    const bool named = !task_.currentPath.empty() && task_.currentPath != kNoFile;
    return context_.DirectText(strings::id::kProductName) + " - [ " +
           (named ? task_.currentPath : context_.DirectText(strings::id::kNewFileName)) + " ]";
}

int PropertySheet::FindPage(std::string_view templateName) const {
    for (int i = 0; i < PageCount(); ++i) {
        if (PageTemplate(i) == templateName) return i;
    }
    return -1;
}

std::string PropertySheet::PageTitle(int index) const {
    return context_.DirectText(kinds_[static_cast<std::size_t>(index)].titleId);
}

void PropertySheet::ShowPage(int index) {
    current_ = index;
    std::unique_ptr<PageModel>& page = pages_[static_cast<std::size_t>(index)];
    if (page) return;
    const PageKind& kind = kinds_[static_cast<std::size_t>(index)];
    page = kind.make(context_, PageTitle(index));
}

DialogModel& PropertySheet::Active() const {
    if (DialogModel* dialog = dialogs_.Newest()) return *dialog;
    return *pages_[static_cast<std::size_t>(current_)];
}

void PropertySheet::Ok() {
    if (dialogs_.Count() > 0) {
        dialogs_.Ok();
        return;
    }
    if (!open_) return;
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (!pages_[i]) continue;
        pages_[i]->Commit();
        for (std::size_t later = i + 1; later < pages_.size(); ++later) {
            if (pages_[later]) pages_[later]->EarlierPageCommitted(*pages_[i]);
        }
    }
    open_ = false;
    accepted_ = true;
}

void PropertySheet::Cancel() {
    if (dialogs_.Count() > 0) {
        dialogs_.Cancel();
        return;
    }
    open_ = false;
}

}  // namespace editors
