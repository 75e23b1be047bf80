#include "designer/editors/property_sheet.h"

#include "designer/editors/form_page.h"
#include "designer/strings/string_ids.h"

namespace editors {
namespace {

// A page whose editor is not built yet: its tab and title, nothing to edit.
class EmptyPage final : public PageModel {
public:
    EmptyPage(EditorContext& context, std::string_view templateName, std::string title)
        : PageModel(context, std::string(templateName), std::move(title), {}) {}
    void Commit() override {}
};

using MakePage = std::unique_ptr<PageModel> (*)(EditorContext&, std::string title);

template <typename Page>
std::unique_ptr<PageModel> Make(EditorContext& context, std::string title) {
    return std::make_unique<Page>(context, std::move(title));
}

struct PageKind {
    std::string_view templateName;
    int titleId;
    MakePage make;  // null: an empty page
};

constexpr PageKind kPages[] = {
    {"FORMDLG", strings::id::kFormPageTitle, Make<FormPage>},
    {"MENUDLG", strings::id::kMenuPageTitle, nullptr},
    {"LOOKUPDLG", strings::id::kLookupPageTitle, nullptr},
    {"BARCODESETTINGDLG", strings::id::kBarcodePageTitle, nullptr},
    {"SETTINGSDLG", strings::id::kSettingsPageTitle, nullptr},
    {"STARTUPDLG", strings::id::kStartupPageTitle, nullptr},
};

constexpr char kNoFile[] = "Unknow";

}  // namespace

PropertySheet::PropertySheet(task::Task& task, text::StringTable& strings, common::UiPort& ui,
                             const task::DefaultTexts& defaults)
    : task_(task), context_(task, strings, ui, defaults, dialogs_), pages_(std::size(kPages)) {
    ShowPage(0);
}

PropertySheet::~PropertySheet() = default;

std::string PropertySheet::Caption() const {
    const bool named = !task_.currentPath.empty() && task_.currentPath != kNoFile;
    return context_.DirectText(strings::id::kProductName) + " - [ " +
           (named ? task_.currentPath : context_.DirectText(strings::id::kNewFileName)) + " ]";
}

int PropertySheet::PageCount() { return static_cast<int>(std::size(kPages)); }

std::string_view PropertySheet::PageTemplate(int index) { return kPages[index].templateName; }

int PropertySheet::FindPage(std::string_view templateName) {
    for (int i = 0; i < PageCount(); ++i) {
        if (kPages[i].templateName == templateName) return i;
    }
    return -1;
}

std::string PropertySheet::PageTitle(int index) const {
    return context_.DirectText(kPages[index].titleId);
}

void PropertySheet::ShowPage(int index) {
    current_ = index;
    std::unique_ptr<PageModel>& page = pages_[static_cast<std::size_t>(index)];
    if (page) return;
    const PageKind& kind = kPages[index];
    page = kind.make ? kind.make(context_, PageTitle(index))
                     : std::make_unique<EmptyPage>(context_, kind.templateName, PageTitle(index));
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
    for (const auto& page : pages_) {
        if (page) page->Commit();
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
