#include "designer/editors/item_lists.h"

#include "designer/strings/string_ids.h"

namespace editors {

std::vector<std::string> TextItems(EditorContext& context, int firstId, int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back(context.Text(firstId + i));
    return items;
}

std::vector<std::string> NumberedItems(EditorContext& context, int id, int count) {
    const std::string text = context.Text(id);
    std::vector<std::string> items;
    for (int n = 1; n <= count; ++n) items.push_back(text + std::to_string(n));
    return items;
}

std::vector<std::string> TargetItems(EditorContext& context) {
    std::vector<std::string> items{context.Text(strings::id::kMainMenuName)};
    for (auto& item : NumberedItems(context, strings::id::kFormNumbered, task::kFormCount)) items.push_back(std::move(item));
    for (auto& item : NumberedItems(context, strings::id::kMenuNumbered, task::kMenuCount)) items.push_back(std::move(item));
    return items;
}

}  // namespace editors
