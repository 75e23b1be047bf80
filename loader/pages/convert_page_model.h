#pragma once
// The convert page driven by control id: the two file fields, the target
// list and the commands of loader::ConvertPage, and Exit.
#include "loader/convert_page.h"
#include "loader/pages/page.h"
#include "loader/pages/tarvel_form.h"

namespace loader::pages {

namespace convert_ids {
constexpr int kSourceField = 1036;
constexpr int kChooseSource = 1034;
constexpr int kDestinationField = 1037;
constexpr int kChooseDestination = 1041;
constexpr int kTargetList = 1040;
constexpr int kConvert = 1035;
constexpr int kExit = 1044;
}  // namespace convert_ids

class ConvertPageModel final : public Page {
public:
    explicit ConvertPageModel(TarvelForm& form);

    const std::vector<ControlSpec>& Controls() const override;
    ControlState State(int id) const override;
    void Click(int id) override;
    void Choose(int id, int index) override;

private:
    TarvelForm& form_;
    ConvertPage page_;
};

}  // namespace loader::pages
