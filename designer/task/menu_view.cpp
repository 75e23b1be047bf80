#include "designer/task/menu_view.h"

#include <algorithm>

namespace task {

int ConstMenuView::FilledItems() const {
    int filled = 0;
    for (int item = 0; item < menu::kItemCount; ++item) {
        const std::string text = TextBeforeZero(ItemSlot(item).first(static_cast<std::size_t>(TextWidth())));
        if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; })) ++filled;
    }
    return filled;
}

}  // namespace task
