#include "designer/editors/menu_page.h"

#include "designer/editors/item_lists.h"
#include "designer/strings/string_ids.h"
#include "designer/task/menu_view.h"
#include "designer/task/startup_view.h"

namespace editors {

namespace {

using namespace task::menu;
using K = ControlKind;
namespace id = strings::id;

// The menu-wide controls above, the item rows in a table, the switches below.
constexpr int kMenuArea = 9100;
constexpr int kItemTable = 9200;
constexpr int kSwitchArea = 9300;
constexpr int kRowLabel = 9011;  // "#1" .. "#10"

std::vector<ControlSpec> MenuControls() {
    std::vector<ControlSpec> c = {
        {kMenuArea, K::Group, 0, {0, 0, 0}},
        {kItemTable, K::Group, 0, {0, 1, 0}},
        {kSwitchArea, K::Group, 0, {0, 2, 0}},
        {9001, K::Label, id::kMenuNameLabel, {kMenuArea, 0, 0}},
        {MenuPage::kNameList, K::Combo, 0, {kMenuArea, 0, 1}},
        {9002, K::Label, id::kMenuFontLabel, {kMenuArea, 0, 2}},
        {MenuPage::kFontList, K::Combo, 0, {kMenuArea, 0, 3}},
        {9003, K::Label, id::kMenuEscLabel, {kMenuArea, 0, 4}},
        {MenuPage::kEscList, K::Combo, 0, {kMenuArea, 0, 5}},
        {MenuPage::kResetButton, K::Button, id::kMenuResetButton, {kMenuArea, 0, 7}},
        {MenuPage::kCaptionCheck, K::Check, id::kMenuCaptionCheck, {kMenuArea, 1, 0, 2}},
        {MenuPage::kCaptionBox, K::Edit, 0, {kMenuArea, 1, 2, 4, 20}},
        {9004, K::Label, id::kMenuItemNameHeading, {kItemTable, 0, 1}},
        {9005, K::Label, id::kMenuNextHeading, {kItemTable, 0, 2}},
        {MenuPage::kSaveCaptionCheck, K::Check, id::kMenuSaveCaptionCheck, {kSwitchArea, 0, 0}},
        {MenuPage::kSaveSelectedCheck, K::Check, id::kMenuSaveSelectedCheck, {kSwitchArea, 0, 1}},
        {MenuPage::kPassDownCheck, K::Check, id::kMenuPassDownCheck, {kSwitchArea, 0, 2}},
        {MenuPage::kSeparateFilesCheck, K::Check, id::kMenuSeparateFilesCheck, {kSwitchArea, 1, 0, 3}},
    };
    for (int j = 0; j < kItemCount; ++j) {
        const int row = j + 1;
        c.push_back({kRowLabel + j, K::Label, 0, {kItemTable, row, 0}});
        c.push_back({MenuPage::kItemBox + j, K::Edit, 0, {kItemTable, row, 1, 1, 20, true}});
        c.push_back({MenuPage::kNextList + j, K::Combo, 0, {kItemTable, row, 2}});
    }
    return c;
}

}  // namespace

MenuPage::MenuPage(EditorContext& context, std::string title)
    : PageModel(context, "MENUDLG", std::move(title), MenuControls()) {
    menus_ = context.Live().menus;
    separateFiles_ = task::ConstStartupView(context.Live().startup).SeparateDataFiles();
    SetItems(kNameList, NumberedItems(context, id::kMenuNumbered, task::kMenuCount));
    SetItems(kFontList, TextItems(context, id::kFirstFontName, 2));
    SetItems(kEscList, TargetItems(context));
    const std::string itemNumbered = context.Text(id::kMenuItemNumbered);
    for (int j = 0; j < kItemCount; ++j) {
        ShowText(kRowLabel + j, itemNumbered + std::to_string(j + 1));
        SetItems(kNextList + j, TargetItems(context));
    }
    BindControls();
    ShowMenu(0);
}

Locate MenuPage::ByteAt(std::size_t offset) {
    return [this, offset] { return &WorkingMenu()[offset]; };
}

void MenuPage::BindControls() {
    Bind(kFontList, ListBinding(Field::Whole(ByteAt(kFont))));
    Bind(kEscList, ListBinding(Field::Whole(ByteAt(kEscTarget))));
    Bind(kCaptionCheck, CheckBinding(Field::Whole(ByteAt(kShowCaption))));
    // The font sets the limit for what is typed from now on; texts stored longer stay.
    const auto textLimit = [this] {
        return static_cast<std::size_t>(task::ConstMenuView(WorkingMenu()).TextWidth());
    };
    Bind(kCaptionBox, TextBinding(TextSlot(ByteAt(kCaption), task::kWideSlot), textLimit));
    for (int j = 0; j < kItemCount; ++j) {
        Bind(kItemBox + j, TextBinding(TextSlot(ByteAt(kItems + j * task::kWideSlot), task::kWideSlot), textLimit));
        Bind(kNextList + j, ListBinding(Field::Whole(ByteAt(kItemTargets + j))));
    }
    Bind(kSaveCaptionCheck, CheckBinding(Field::Whole(ByteAt(kSaveCaption))));
    Bind(kSaveSelectedCheck, CheckBinding(Field::Whole(ByteAt(kSaveSelected))));
    Bind(kPassDownCheck, CheckBinding(Field::Whole(ByteAt(kPassDown))));
    Bind(kSeparateFilesCheck, CheckBinding(Field::Whole([this] { return &separateFiles_; })));
}

void MenuPage::ShowMenu(int menu) {
    current_ = menu;
    Control(kNameList).selection = menu;
    LoadControls();
}

void MenuPage::OnChosen(int id, int) {
    if (id == kNameList) ShowMenu(Control(id).selection);
}

void MenuPage::OnClicked(int id) {
    if (id == kResetButton) Reset();
}

void MenuPage::Reset() {
    for (task::MenuRecord& record : menus_) {
        const task::MenuView menu(record);
        menu.SetFont(0);
        menu.SetShowCaption(0);
        menu.SetCaption("");
        for (int j = 0; j < kItemCount; ++j) {
            menu.SetItem(j, "");
            menu.SetItemTarget(j, task::kTargetMainMenu);
        }
        menu.SetEscTarget(task::kTargetMainMenu);
        menu.SetSaveCaption(0);
        menu.SetSaveSelectedItem(0);
        menu.SetPassDown(0);
        menu.SetVisibleItems(0);
        menu.SetCurrentItem(0);
        menu.SetEngineState(0);
    }
    separateFiles_ = 0;
    ShowMenu(0);
}

void MenuPage::Update() {
    const task::MenuView menu(WorkingMenu());
    Enable(kCaptionBox, menu.ShowCaption() != 0);
    // Passing down needs something saved. With a data file per form the menu
    // passes down whatever it saves, so the user has no choice.
    const bool saves = menu.SaveCaption() != 0 || menu.SaveSelectedItem() != 0;
    if (separateFiles_ != 0 || !saves) menu.SetPassDown(saves ? 1 : 0);
    Enable(kPassDownCheck, separateFiles_ == 0 && saves);
    Control(kPassDownCheck).checked = menu.PassDown() != 0;
}

void MenuPage::Commit() {
    task::Task& live = Context().LiveTask();
    live.model.menus = menus_;
    task::StartupView(live.model.startup).SetSeparateDataFiles(separateFiles_);
}

}  // namespace editors
