#include "designer/editors/item_lists.h"

#include <iterator>

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

void Append(std::vector<std::string>& items, std::vector<std::string> more) {
    items.insert(items.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

std::vector<std::string> TargetItems(EditorContext& context) {
    std::vector<std::string> items{context.Text(strings::id::kMainMenuName)};
    Append(items, NumberedItems(context, strings::id::kFormNumbered, task::kFormCount));
    Append(items, NumberedItems(context, strings::id::kMenuNumbered, task::kMenuCount));
    return items;
}

}  // namespace editors
