#include "designer/editors/qt/sheet_icon.h"

#include <cstddef>

#include "common/qt/svg_icon.h"

extern const unsigned char kSheetIcon[];
extern const std::size_t kSheetIcon_size;

namespace editors {

QIcon SheetIcon() { return qtui::IconFromSvg(kSheetIcon, kSheetIcon_size, {16, 24, 32, 48, 64}); }

}  // namespace editors
