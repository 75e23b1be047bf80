#include "designer/shell/program_icon.h"

#include <cstddef>

#include "common/qt/svg_icon.h"

extern const unsigned char kProgramIcon[];
extern const std::size_t kProgramIcon_size;

namespace shell {

QIcon ProgramIcon() { return qtui::IconFromSvg(kProgramIcon, kProgramIcon_size, {16, 24, 32, 48, 64, 128, 256}); }

}  // namespace shell
