#include "designer/shell/window_translucency.h"

namespace shell {

// Windows draws translucent (layered) windows with or without desktop composition.
bool PlatformDrawsTranslucentWindows() { return true; }

}  // namespace shell
