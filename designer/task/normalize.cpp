#include "designer/task/normalize.h"

#include <algorithm>
#include <string>

#include "designer/task/form_view.h"
#include "designer/task/lookup_view.h"
#include "designer/task/menu_view.h"

namespace task {
namespace {

constexpr Byte kMaxInput = 80;

void ClearSlot(Slot slot) { std::fill(slot.begin(), slot.end(), Byte{0}); }

void ClearLineSettings(const FormView& f, int j) {
    f.SetLookupField(j, 0);
    ClearSlot(f.PromptSlot(j));
    f.SetInputSource(j, 2);
    f.SetMinLength(j, 0);
    f.SetFixedLength(j, 0);
    f.SetAlignment(j, 0);
    f.SetFixedLengthValue(j, 0);
    f.SetHasInitialValue(j, 0);
    f.SetHasPrefix(j, 0);
    f.SetHasSuffix(j, 0);
    f.SetPartialMode(j, 0);
    f.SetPartialStart(j, 0);
    f.SetCheckLeadingCode(j, 0);
    f.InitialValueSlot(j)[0] = 0;
    ClearSlot(f.PrefixSlot(j));
    ClearSlot(f.SuffixSlot(j));
    f.SetPartialMaxLength(j, 20);
    ClearSlot(f.LeadingCodeSlot(j));
    f.LineTextSlot(j)[0] = 0;
}

// The lines after `j` that continue its input get the length left over.
void SpreadOverExtensions(const FormView& f, int j) {
    const int width = f.TextWidth();
    const auto promptLength = static_cast<int>(TextBeforeZero(f.PromptSlot(j).first(static_cast<std::size_t>(width))).size());
    int maximum = promptLength + f.MaxLength(j) - width;
    const int last = j + f.ExtensionsAfter(j);
    for (int e = j + 1; e <= last; ++e) {
        maximum = std::max(0, maximum);
        f.SetMaxLength(e, static_cast<Byte>(std::min(maximum, 255)));
        f.SetAutoEnter(e, f.AutoEnter(j));
        f.SetInputMark(e, f.InputMark(j));
        maximum -= width;
    }
}

void NormalizeForm(const FormView& f) {
    for (int j = 0; j < f.ShownLines(); ++j) {
        CutSlotText(f.PromptSlot(j), static_cast<std::size_t>(f.TextWidth()));
        const Byte type = f.Type(j);
        if (TakesKeyedInput(type) && j + 1 < kFormLines && f.IsExtension(j + 1)) SpreadOverExtensions(f, j);
        if (type == form::kUnused || type == form::kExtension) {
            ClearLineSettings(f, j);
            if (type == form::kUnused) {
                f.SetMaxLength(j, kMaxInput);
                f.SetAutoEnter(j, 1);
                f.SetInputMark(j, 0);
            }
        }
    }
}

// The terminal counts pause, alphameric, the variables and compare as input
// lines too, unlike the simulator.
bool IsTerminalInputLine(Byte type) { return TakesKeyedInput(type) || type >= form::kPause; }

}  // namespace

int SystemMenuLines(const TaskModel& model) { return ConstLookupView(model.lookups[0]).IsDefined() ? 8 : 7; }

int NormalizeForms(TaskModel& model) {
    for (FormRecord& f : model.forms) NormalizeForm(FormView(f));
    return SystemMenuLines(model);
}

void ClampFormFields(TaskModel& model) {
    for (FormRecord& record : model.forms) {
        const FormView f(record);
        if (f.LargeFont()) {
            for (int j = f.ShownLines(); j < kFormLines; ++j) f.SetType(j, form::kUnused);
        }
        for (int j = 0; j < kFormLines; ++j) {
            f.SetMaxLength(j, std::min(f.MaxLength(j), kMaxInput));
            f.SetMinLength(j, std::min(f.MinLength(j), f.MaxLength(j)));
            const Byte type = f.Type(j);
            if (type == form::kUnused || type == form::kExtension) ClearSlot(f.PromptSlot(j));
            if (type == form::kUnused || (type >= form::kFixedData && type <= form::kPause)) f.SetLookupField(j, 0);
        }
    }
}

void PadMenusAndCountLines(TaskModel& model) {
    for (MenuRecord& record : model.menus) {
        const MenuView m(record);
        const auto width = static_cast<std::size_t>(m.TextWidth());
        // Counted before the padding: a padded item's spaces are no text.
        const int filled = m.FilledItems();
        if (m.ShowCaption() != 0) PadSlotText(m.CaptionSlot(), width);
        for (int item = 0; item < menu::kItemCount; ++item) PadSlotText(m.ItemSlot(item), width);
        m.SetVisibleItems(static_cast<Byte>(filled));
    }
    for (FormRecord& record : model.forms) {
        const FormView f(record);
        int lines = 0;
        for (int j = 0; j < kFormLines; ++j) {
            if (IsTerminalInputLine(f.Type(j))) lines = j + 1;
        }
        f.SetLinesToLastInput(static_cast<Byte>(lines));
    }
}

}  // namespace task
