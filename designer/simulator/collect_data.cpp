#include "designer/simulator/collect_data.h"

#include <algorithm>

#include "designer/simulator/form_fields.h"
#include "designer/simulator/menu_screen.h"

namespace simulator {

using namespace task::form;

void RecountTask(task::TaskModel& model) {
    for (task::MenuRecord& menu : model.menus) menu[task::menu::kVisibleItems] = static_cast<task::Byte>(CountVisibleItems(menu));
    for (task::FormRecord& form : model.forms) {
        int lineCount = 0;
        for (int i = 0; i < task::kFormLines; ++i) {
            const auto line = static_cast<std::size_t>(i);
            const int type = form[kFieldType + line];
            if (type == kUnused || type == kExtension) {
                std::fill_n(form.begin() + static_cast<std::ptrdiff_t>(kPrompt + line * kPromptWidth), kPromptWidth, 0);
            }
            if (type == kUnused || type >= kFixedData) form[kLookupField + line] = 0;
            if (FormFields(form).IsInput(i)) lineCount = i + 1;
        }
        form[kLineCount] = static_cast<task::Byte>(lineCount);
    }
}

StartPoint FindStartPoint(const task::TaskModel& model) {
    if (model.startup[task::startup::kStartWithMenu] != 0) {
        return MenuItemCount(model.menus[0]) > 0 ? StartPoint::FirstMenu : StartPoint::Nothing;
    }
    return model.forms[0][kLineCount] != 0 ? StartPoint::FirstForm : StartPoint::Nothing;
}

}  // namespace simulator
