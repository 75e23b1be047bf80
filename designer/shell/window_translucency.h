#pragma once
// Whether the desktop draws translucent windows. The terminal's case has
// rounded corners that the desktop should show through; where it cannot
// (an X11 desktop without a compositing manager shows the transparent
// pixels black), the window is cut to the case's outline instead.

namespace shell {

bool PlatformDrawsTranslucentWindows();

}  // namespace shell
