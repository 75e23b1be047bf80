#include "designer/simulator/form_fields.h"

#include <algorithm>

namespace simulator {

int FormFields::LineCount() const { return std::min<int>(form_.LinesToLastInput(), task::kFormLines); }

int FormFields::Owner(int line) const {
    while (line > 0 && IsExtension(line)) --line;
    return line;
}

int FormFields::MaxLength(int line) const {
    return InRange(line) ? std::min<int>(form_.MaxLength(line), kInputCapacity) : 0;
}

}  // namespace simulator
