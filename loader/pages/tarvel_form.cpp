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
    loadPage_->ShowSettings();
    return result.end;
}

void TarvelForm::SelectTab(int tab) {
    if (tab == kLoadTab && !loadPage_) loadPage_ = std::make_unique<LoadPage>(*this);
    if (tab == kConvertTab && !convertPage_) convertPage_ = std::make_unique<ConvertPageModel>(*this);
    if (tab == kLoadTab || tab == kConvertTab) currentTab_ = tab;
}

Page* TarvelForm::PageOf(int tab) const {
    if (tab == kLoadTab) return loadPage_.get();
    if (tab == kConvertTab) return convertPage_.get();
    return nullptr;
}

bool TarvelForm::SaveSettings() {
    if (WriteLoaderSettings(parts_.settingsPath, settings_)) return true;
    parts_.session.ui.ShowMessage(LoaderText(ids::kErrorCaption), LoaderText(ids::kSettingsNotSaved),
                                  common::MessageIcon::Warning);
    return false;
}

void TarvelForm::Close(CloseKind kind) {
    if (closed_) return;
    closed_ = true;
    if (kind == CloseKind::Ordinary && currentTab_ == kLoadTab && loadPage_ && loadPage_->TakeChoices()) {
        SaveSettings();
    }
    if (closeWindow) closeWindow();
}

}  // namespace loader::pages
