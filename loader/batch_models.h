#pragma once
// The seven batch terminals the loader knows, by the firmware identifier at
// the start of their task files, and the layout of TerminalTexts each takes.
#include <array>
#include <optional>
#include <string_view>

#include "designer/task/task_model.h"

namespace loader {

using task::Byte;
using FirmwareId = std::array<Byte, task::kFirmwareIdSize>;

enum class BatchModel { M8000, M8300, M8200, M8400, M8500, M8600, M8700 };

// MixedTextLayout: the designer's tables of 16- and 21-byte entries (8000, 8300).
// WideTextLayout: the same tables with every entry 21 bytes (the others).
enum class TextLayout { Mixed, Wide };

// "8300RU004": four model digits, "RU", the layout version; nine characters.
std::string_view FirmwareIdText(BatchModel model);

// The model whose identifier the ten bytes hold exactly, NUL included.
std::optional<BatchModel> BatchModelOf(const FirmwareId& id);

// The model whose identifier starts with these six characters ("8400RU").
std::optional<BatchModel> BatchModelOfPrefix(std::string_view firstSix);

TextLayout LayoutOf(BatchModel model);

// The identifier's ten bytes: its nine characters and a NUL.
FirmwareId FirmwareIdBytes(BatchModel model);

}  // namespace loader
