#include "loader/pages/load_page.h"

#include "loader/command_line.h"
#include "loader/link/cradle_search.h"
#include "loader/loaded_task.h"
#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"
#include "loader/port_numbers.h"

namespace loader::pages {
namespace {

using namespace load_ids;

constexpr int kFileGroup = kFirstUnnumberedId;
constexpr int kSettingsGroup = kFirstUnnumberedId + 1;
constexpr int kLinkLabel = kFirstUnnumberedId + 2;
constexpr int kPortLabel = kFirstUnnumberedId + 3;
constexpr int kSpeedLabel = kFirstUnnumberedId + 4;

// The Open command's chooser shows this filter first: the 8500's tasks.
constexpr std::size_t k8500Filter = 3;
// What the settings file holds before the first load: no file to open in.
constexpr const char* kNoTaskYet = "Unknow";

const std::vector<int> kLinkItems = {ids::kLinkSerial, ids::kLinkCradle};
const std::vector<int> kSpeedItems = {ids::kSpeed115200, ids::kSpeed57600, ids::kSpeed38400, ids::kSpeed19200,
                                      ids::kSpeed9600};

std::vector<std::string> Texts(const std::vector<int>& textIds) {
    std::vector<std::string> texts;
    for (int id : textIds) texts.push_back(LoaderText(id));
    return texts;
}

// A selection the list can show, else none.
int Valid(int index, std::size_t count) { return index >= 0 && index < static_cast<int>(count) ? index : -1; }

}  // namespace

LoadPage::LoadPage(TarvelForm& form) : form_(form) {}

const std::vector<ControlSpec>& LoadPage::Controls() const {
    static const std::vector<ControlSpec> controls = {
        {kFileGroup, ControlKind::Group, ids::kFileGroup, kOnPage, 0, 0, 2},
        {kTaskFile, ControlKind::Field, 0, kFileGroup, 0, 0},
        {kOpen, ControlKind::Button, ids::kOpenButton, kFileGroup, 0, 1},
        {kSettingsGroup, ControlKind::Group, ids::kSettingsGroup, kOnPage, 1, 0, 2},
        {kLinkLabel, ControlKind::Label, ids::kLinkLabel, kSettingsGroup, 0, 0},
        {kLinkList, ControlKind::List, 0, kSettingsGroup, 0, 1},
        {kPortLabel, ControlKind::Label, ids::kPortLabel, kSettingsGroup, 1, 0},
        {kPortList, ControlKind::List, 0, kSettingsGroup, 1, 1},
        {kSpeedLabel, ControlKind::Label, ids::kSpeedLabel, kSettingsGroup, 2, 0},
        {kSpeedList, ControlKind::List, 0, kSettingsGroup, 2, 1},
        {kFindCradle, ControlKind::Button, ids::kFindCradleButton, kSettingsGroup, 3, 1},
        {kSearchBanner, ControlKind::Banner, ids::kCradleSearchBanner, kOnPage, 2, 0, 2},
        {kLoad, ControlKind::Button, ids::kLoadButton, kOnPage, 3, 0},
        {kExit, ControlKind::Button, ids::kExitButton, kOnPage, 3, 1},
    };
    return controls;
}

ControlState LoadPage::State(int id) const {
    ControlState state;
    switch (id) {
        case kTaskFile:
            state.text = form_.CurrentTaskFile();
            state.isPath = true;
            break;
        case kLinkList:
            state.items = Texts(kLinkItems);
            state.selection = linkSelection_;
            break;
        case kPortList:
            state.items = form_.Parts().portNames;
            state.selection = portSelection_;
            break;
        case kSpeedList:
            state.items = Texts(kSpeedItems);
            state.selection = speedSelection_;
            break;
        case kSearchBanner: state.visible = searching_; break;
        default: break;
    }
    return state;
}

void LoadPage::Click(int id) {
    switch (id) {
        case kOpen: Open(); break;
        case kLoad: Load(); break;
        case kFindCradle: FindCradleCommand(); break;
        case kExit: form_.Close(CloseKind::Ordinary); break;
        default: break;
    }
}

void LoadPage::Choose(int id, int index) {
    switch (id) {
        case kLinkList: linkSelection_ = Valid(index, kLinkItems.size()); break;
        case kPortList: portSelection_ = Valid(index, form_.Parts().portNames.size()); break;
        case kSpeedList: speedSelection_ = Valid(index, kSpeedItems.size()); break;
        default: break;
    }
}

void LoadPage::ShowSettings() {
    const LoaderSettings& settings = form_.Settings();
    linkSelection_ = Valid(settings.linkType, kLinkItems.size());
    speedSelection_ = Valid(settings.speedIndex, kSpeedItems.size());
    portSelection_ = PortLineOfNumber(form_.Parts().portNames, settings.portNumber);
    form_.CurrentTaskFile() = settings.lastTaskPath;
}

bool LoadPage::TakeChoices() {
    if (portSelection_ < 0) return false;
    LoaderSettings& settings = form_.Settings();
    settings.portNumber = PortNumberOfName(form_.Parts().portNames[portSelection_]);
    // A list showing no entry leaves its value as it was.
    if (speedSelection_ >= 0) settings.speedIndex = speedSelection_;
    if (linkSelection_ >= 0) settings.linkType = linkSelection_;
    settings.lastTaskPath = form_.CurrentTaskFile();
    return true;
}

void LoadPage::Open() {
    common::FileChooser chooser;
    chooser.filters = {{LoaderText(ids::kFilterSupported), LoaderText(ids::kPatternSupported)},
                       {LoaderText(ids::kFilterBatch), LoaderText(ids::kPatternBatch)},
                       {LoaderText(ids::kFilterRadio), LoaderText(ids::kPatternRadio)},
                       {LoaderText(ids::kFilter8500), LoaderText(ids::kPattern8500)}};
    chooser.selectedFilter = k8500Filter;
    const std::string& shown = form_.CurrentTaskFile();
    chooser.initialPath = shown.empty() || shown == kNoTaskYet ? form_.Parts().programFolder : shown;
    if (const auto path = form_.Session().ui.ChooseOpenFile(chooser)) form_.CurrentTaskFile() = *path;
}

void LoadPage::Load() {
    common::UiPort& ui = form_.Session().ui;
    const std::string path = form_.CurrentTaskFile();
    if (path.empty()) {
        ui.ShowMessage(LoaderText(ids::kAttentionCaption), LoaderText(ids::kNoFileChosen),
                       common::MessageIcon::Warning);
        return;
    }
    const auto task = ReadTaskForLoad(path, TaskKindForLoadButton(path), ui);
    if (!task) return;
    // Without a port on the page the load goes where the settings say, and
    // the settings file is left alone.
    if (TakeChoices() && form_.SaveSettings()) {
        ReadLoaderSettings(form_.Parts().settingsPath, form_.Settings());
    }
    const LoaderSettings& settings = form_.Settings();
    RunLoaderTransfer(form_.Session(), *task, {settings.speedIndex, settings.portNumber, settings.linkType}, false);
}

void LoadPage::FindCradleCommand() {
    LoaderSession& session = form_.Session();
    const auto banner = [this](bool shown) {
        searching_ = shown;
        Redraw();
    };
    // The found port is taken only when the user says OK.
    const auto number = FindCradle(session.ui, session.port, session.clock, banner);
    if (!number) return;
    form_.Settings().portNumber = *number;
    portSelection_ = PortLineOfNumber(form_.Parts().portNames, *number);
    linkSelection_ = 1;
}

}  // namespace loader::pages
