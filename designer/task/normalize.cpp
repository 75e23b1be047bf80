#include "designer/task/normalize.h"

#include <algorithm>
#include <cstring>

namespace task {
namespace {

using namespace form;

constexpr Byte kMaxInput = 80;
constexpr int kMaxExtensions = 4;

bool IsLargeFont(const FormRecord& f) { return f[kFont] != 0; }

std::size_t TextLength(const Byte* text, std::size_t limit) {
    return static_cast<std::size_t>(std::find(text, text + limit, Byte{0}) - text);
}

bool TakesInput(Byte type) { return type >= kText && type <= kBoolean; }

void ClearLineSettings(FormRecord& f, int j) {
    f[kLookupField + j] = 0;
    std::fill_n(&f[kPrompt + j * kPromptWidth], kPromptWidth, Byte{0});
    f[kInputSource + j] = 2;
    for (std::size_t base : {kMinLength, kFixedLength, kAlignment, kFixedLengthValue, kHasInitialValue, kHasPrefix,
                             kHasSuffix, kPartialMode, kPartialStart, kCheckLeadingCode}) {
        f[base + j] = 0;
    }
    f[kInitialValue + j * kInitialValueWidth] = 0;
    std::fill_n(&f[kPrefix + j * kPrefixWidth], kPrefixWidth, Byte{0});
    std::fill_n(&f[kSuffix + j * kSuffixWidth], kSuffixWidth, Byte{0});
    f[kPartialMaxLength + j] = 20;
    std::fill_n(&f[kLeadingCode + j * kLeadingCodeWidth], kLeadingCodeWidth, Byte{0});
    f[kLineText + j * kLineTextWidth] = 0;
}

// The lines after `j` that continue its input get the length left over.
void SpreadOverExtensions(FormRecord& f, int j, std::size_t width) {
    const std::size_t promptLength = TextLength(&f[kPrompt + j * kPromptWidth], width);
    int maximum = static_cast<int>(promptLength) + f[kMaxLength + j] - static_cast<int>(width);
    for (int e = j + 1; e < kFormLines && e <= j + kMaxExtensions && f[kFieldType + e] == kExtension; ++e) {
        maximum = std::max(0, maximum);
        f[kMaxLength + e] = static_cast<Byte>(std::min(maximum, 255));
        f[kAutoEnter + e] = f[kAutoEnter + j];
        f[kInputMark + e] = f[kInputMark + j];
        maximum -= static_cast<int>(width);
    }
}

void NormalizeForm(FormRecord& f) {
    const int lines = IsLargeFont(f) ? 4 : 8;
    const std::size_t width = IsLargeFont(f) ? 15 : 20;
    for (int j = 0; j < lines; ++j) {
        Byte* prompt = &f[kPrompt + j * kPromptWidth];
        std::fill(prompt + width, prompt + kPromptWidth, Byte{0});
        const Byte type = f[kFieldType + j];
        if (TakesInput(type) && j <= 6 && f[kFieldType + j + 1] == kExtension) SpreadOverExtensions(f, j, width);
        if (type == kUnused || type == kExtension) {
            ClearLineSettings(f, j);
            if (type == kUnused) {
                f[kMaxLength + j] = kMaxInput;
                f[kAutoEnter + j] = 1;
                f[kInputMark + j] = 0;
            }
        }
    }
}

void PadText(Byte* text, std::size_t width) {
    const std::size_t length = TextLength(text, width);
    std::fill(text + length, text + width, Byte{' '});
    text[width] = 0;
}

bool HasVisibleCharacter(const Byte* text, std::size_t width) {
    const std::size_t length = TextLength(text, width);
    return std::any_of(text, text + length, [](Byte c) { return c > ' '; });
}

bool IsInputLine(Byte type) { return TakesInput(type) || type >= kPause; }

}  // namespace

int SystemMenuLines(const TaskModel& model) {
    const LookupRecord& first = model.lookups[0];
    return first[lookup::kRecordLength] != 0 && first[lookup::kFieldCount] != 0 ? 8 : 7;
}

int NormalizeForms(TaskModel& model) {
    for (FormRecord& f : model.forms) NormalizeForm(f);
    return SystemMenuLines(model);
}

void ClampFormFields(TaskModel& model) {
    for (FormRecord& f : model.forms) {
        if (IsLargeFont(f)) std::fill_n(&f[kFieldType + 4], 4, Byte{kUnused});
        for (int j = 0; j < kFormLines; ++j) {
            Byte& maximum = f[kMaxLength + j];
            Byte& minimum = f[kMinLength + j];
            maximum = std::min(maximum, kMaxInput);
            minimum = std::min(minimum, maximum);
            const Byte type = f[kFieldType + j];
            if (type == kUnused || type == kExtension) {
                std::fill_n(&f[kPrompt + j * kPromptWidth], kPromptWidth, Byte{0});
            }
            if (type == kUnused || (type >= kFixedData && type <= kPause)) f[kLookupField + j] = 0;
        }
    }
}

void PadMenusAndCountLines(TaskModel& model) {
    for (MenuRecord& m : model.menus) {
        const std::size_t width = m[menu::kFont] != 0 ? 15 : 20;
        if (m[menu::kShowCaption] != 0) PadText(&m[menu::kCaption], width);
        Byte filled = 0;
        for (int item = 0; item < menu::kItemCount; ++item) {
            Byte* text = &m[menu::kItems + item * kWideSlot];
            if (HasVisibleCharacter(text, width)) ++filled;
            PadText(text, width);
        }
        m[menu::kVisibleItems] = filled;
    }
    for (FormRecord& f : model.forms) {
        Byte lines = 0;
        for (int j = 0; j < kFormLines; ++j) {
            if (IsInputLine(f[kFieldType + j])) lines = static_cast<Byte>(j + 1);
        }
        f[kLineCount] = lines;
    }
}

}  // namespace task
