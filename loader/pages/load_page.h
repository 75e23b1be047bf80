#pragma once
// The load page: the task file, the way to the terminal (link, port, speed),
// and the commands Open, Load, the cradle search and Exit.
#include "loader/pages/page.h"
#include "loader/pages/tarvel_form.h"

namespace loader::pages {

namespace load_ids {
constexpr int kTaskFile = 1006;
constexpr int kOpen = 1042;
constexpr int kLinkList = 1000;
constexpr int kPortList = 1045;
constexpr int kSpeedList = 1002;
constexpr int kFindCradle = 1020;
constexpr int kSearchBanner = 1046;
constexpr int kLoad = 1;
constexpr int kExit = 2;
}  // namespace load_ids

class LoadPage final : public Page {
public:
    explicit LoadPage(TarvelForm& form);

    const std::vector<ControlSpec>& Controls() const override;
    ControlState State(int id) const override;
    void Click(int id) override;
    void Choose(int id, int index) override;

    // Fills the page from the settings in memory: link, speed, the port line
    // of the port number (none when the list has no such port), the task file.
    void ShowSettings();

    // The page's choices as the settings to keep; false when the port list
    // shows no port, and then nothing is taken.
    bool TakeChoices();

private:
    void Open();
    void Load();
    void FindCradleCommand();

    TarvelForm& form_;
    int linkSelection_ = -1;
    int portSelection_ = -1;
    int speedSelection_ = -1;
    bool searching_ = false;
};

}  // namespace loader::pages
