#include "designer/task/calculator_entry.h"

#include "designer/task/normalize.h"
#include "designer/task/startup_view.h"

namespace task {

char CalculatorDigit(const TaskModel& model) { return SystemMenuLines(model) == 8 ? '9' : '8'; }

void NumberCalculatorEntry(Slot entry, char digit) {
    if (entry.empty() || (entry[0] != '8' && entry[0] != '9')) return;
    entry[0] = static_cast<Byte>(digit);
}

void NumberCalculatorEntry(TaskModel& model) {
    NumberCalculatorEntry(StartupView(model.startup).ExtraTextSlot(0), CalculatorDigit(model));
}

}  // namespace task
