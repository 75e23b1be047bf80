#include "loader/pages/tarvel_form.h"

#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"
#include "loader/pages/convert_page_model.h"
#include "loader/pages/load_page.h"

namespace loader::pages {

TarvelForm::TarvelForm(FormParts parts) : parts_(std::move(parts)) {}

TarvelForm::~TarvelForm() = default;

std::string TarvelForm::Title() { return LoaderText(ids::kMainFormTitle); }

std::array<std::string, 2> TarvelForm::TabTitles() {
    return {LoaderText(ids::kLoadTab), LoaderText(ids::kConvertTab)};
}

UnattendedEnd TarvelForm::Start(std::string_view commandLine) {
    SelectTab(kLoadTab);
    const UnattendedResult result = RunCommandLine(commandLine, parts_.session);
    if (result.end != UnattendedEnd::Interactive && result.end != UnattendedEnd::ContinueInteractively) {
        Close(CloseKind::CommandLine);
        return result.end;
    }
    ReadLoaderSettings(parts_.settingsPath, settings_);
    static_cast<LoadPage*>(pages_[kLoadTab].get())->ShowSettings();
    return result.end;
}

void TarvelForm::SelectTab(int tab) {
    if (tab != kLoadTab && tab != kConvertTab) return;
    if (!pages_[tab]) {
        if (tab == kLoadTab) {
            pages_[tab] = std::make_unique<LoadPage>(*this);
        } else {
            pages_[tab] = std::make_unique<ConvertPageModel>(*this);
        }
    }
    currentTab_ = tab;
}

Page* TarvelForm::PageOf(int tab) const {
    return tab == kLoadTab || tab == kConvertTab ? pages_[tab].get() : nullptr;
}

void TarvelForm::Close(CloseKind kind) {
    if (closed_) return;
    closed_ = true;
    auto* load = static_cast<LoadPage*>(pages_[kLoadTab].get());
    if (kind == CloseKind::Ordinary && currentTab_ == kLoadTab && load && load->TakeChoices()) {
        WriteLoaderSettings(parts_.settingsPath, settings_);
    }
    if (closeWindow) closeWindow();
}

}  // namespace loader::pages
