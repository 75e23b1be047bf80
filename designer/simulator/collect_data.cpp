#include "designer/simulator/collect_data.h"

#include <algorithm>

#include "designer/simulator/menu_screen.h"
#include "designer/task/form_view.h"
#include "designer/task/menu_view.h"
#include "designer/task/startup_view.h"

namespace simulator {

using namespace task::form;

void RecountTask(task::TaskModel& model) {
    for (task::MenuRecord& menu : model.menus) {
        const task::MenuView view(menu);
        view.SetVisibleItems(static_cast<task::Byte>(view.FilledItems()));
    }
    for (task::FormRecord& record : model.forms) {
        const task::FormView form(record);
        int lineCount = 0;
        for (int line = 0; line < task::kFormLines; ++line) {
            const int type = form.Type(line);
            if (type == kUnused || type == kExtension) {
                const task::Slot prompt = form.PromptSlot(line);
                std::fill(prompt.begin(), prompt.end(), task::Byte{0});
            }
            if (type == kUnused || type >= kFixedData) form.SetLookupField(line, 0);
            if (form.TakesKeyedInput(line)) lineCount = line + 1;
        }
        form.SetLinesToLastInput(static_cast<task::Byte>(lineCount));
    }
}

StartPoint FindStartPoint(const task::TaskModel& model) {
    if (task::ConstStartupView(model.startup).StartWithMenu() != 0) {
        return MenuItemCount(model.menus[0]) > 0 ? StartPoint::FirstMenu : StartPoint::Nothing;
    }
    return task::ConstFormView(model.forms[0]).LinesToLastInput() != 0 ? StartPoint::FirstForm : StartPoint::Nothing;
}

}  // namespace simulator
