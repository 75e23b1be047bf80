#pragma once
// The property sheet's window icon, drawn from vector art so it is sharp at every size.
#include <QIcon>

namespace editors {

QIcon SheetIcon();

}  // namespace editors
