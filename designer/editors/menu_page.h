#pragma once
// The Menu page "MENUDLG": the ten menus of the task, one shown at a time:
// font, Esc target, caption, the ten items and where each leads, what the
// menu saves and passes down; and the task-wide switch that gives each form
// a data file of its own.
#include <array>

#include "designer/editors/page_model.h"

namespace editors {

class MenuPage final : public PageModel {
public:
    // Control ids of the template.
    static constexpr int kNameList = 451;  // chooses the menu shown
    static constexpr int kFontList = 452;
    static constexpr int kEscList = 453;
    static constexpr int kCaptionCheck = 101;
    static constexpr int kCaptionBox = 311;
    static constexpr int kSaveCaptionCheck = 102;
    static constexpr int kSaveSelectedCheck = 103;
    static constexpr int kPassDownCheck = 104;
    static constexpr int kSeparateFilesCheck = 105;
    static constexpr int kResetButton = 201;
    // Item j (0..9) of each column is the first id + j.
    static constexpr int kItemBox = 301;
    static constexpr int kNextList = 401;

    MenuPage(EditorContext& context, std::string title);

    // Writes the ten menus and the separate-data-files switch into the task.
    void Commit() override;

    int CurrentMenu() const { return current_; }

protected:
    void OnChosen(int id, int previous) override;
    void OnClicked(int id) override;
    void Update() override;

private:
    task::MenuRecord& WorkingMenu() { return menus_[static_cast<std::size_t>(current_)]; }
    Locate ByteAt(std::size_t offset);
    void BindControls();
    void ShowMenu(int menu);
    void Reset();

    std::array<task::MenuRecord, task::kMenuCount> menus_;
    task::Byte separateFiles_ = 0;
    int current_ = 0;
};

}  // namespace editors
