#include "loader/pages/convert_page_model.h"

#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"

namespace loader::pages {
namespace {

using namespace convert_ids;

constexpr int kGroup = kFirstUnnumberedId;
constexpr int kSourceLabel = kFirstUnnumberedId + 1;
constexpr int kDestinationLabel = kFirstUnnumberedId + 2;
constexpr int kTargetLabel = kFirstUnnumberedId + 3;

// A field without a chosen file asks for one.
ControlState FileField(const std::optional<std::string>& path) {
    ControlState state;
    if (path) {
        state.text = *path;
        state.isPath = true;
    } else {
        state.text = LoaderText(ids::kNoFileYet);
    }
    return state;
}

}  // namespace

ConvertPageModel::ConvertPageModel(TarvelForm& form)
    : form_(form), page_(form.Session().ui, form.Parts().programFolder) {}

const std::vector<ControlSpec>& ConvertPageModel::Controls() const {
    static const std::vector<ControlSpec> controls = {
        {kGroup, ControlKind::Group, ids::kConvertCaption, kOnPage, 0, 0, 2},
        {kSourceLabel, ControlKind::Label, ids::kSourceLabel, kGroup, 0, 0, 2},
        {kSourceField, ControlKind::Field, 0, kGroup, 1, 0},
        {kChooseSource, ControlKind::Button, ids::kBrowseButton, kGroup, 1, 1},
        {kDestinationLabel, ControlKind::Label, ids::kDestinationLabel, kGroup, 2, 0, 2},
        {kDestinationField, ControlKind::Field, 0, kGroup, 3, 0},
        {kChooseDestination, ControlKind::Button, ids::kBrowseButton, kGroup, 3, 1},
        {kTargetLabel, ControlKind::Label, ids::kTargetLabel, kGroup, 4, 0, 2},
        {kTargetList, ControlKind::List, 0, kGroup, 5, 0},
        {kConvert, ControlKind::Button, ids::kConvertButton, kOnPage, 1, 0},
        {kExit, ControlKind::Button, ids::kExitButton, kOnPage, 1, 1},
    };
    return controls;
}

ControlState ConvertPageModel::State(int id) const {
    switch (id) {
        case kSourceField: return FileField(page_.Source());
        case kDestinationField: return FileField(page_.Destination());
        case kTargetList: {
            ControlState state;
            for (const ConvertTarget& target : ConvertTargets()) state.items.push_back(LoaderText(target.captionId));
            state.selection = page_.TargetPosition();
            return state;
        }
        default: return {};
    }
}

void ConvertPageModel::Click(int id) {
    switch (id) {
        case kChooseSource: page_.ChooseSource(); break;
        case kChooseDestination: page_.ChooseDestination(); break;
        case kConvert: page_.Convert(); break;
        case kExit: form_.Close(CloseKind::Ordinary); break;
        default: break;
    }
}

void ConvertPageModel::Choose(int id, int index) {
    if (id == kTargetList) page_.SelectTarget(index);
}

}  // namespace loader::pages
