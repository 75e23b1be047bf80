#pragma once
// The designer's own icon (resources/desktop/mostrel.svg, built into the
// program): the window's icon and, installed, the desktop's.
#include <QIcon>

namespace shell {

QIcon ProgramIcon();

}  // namespace shell
