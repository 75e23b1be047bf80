#pragma once
// The operating system's serial port behind the SerialLink interface:
// termios on POSIX, the Win32 communications API on Windows.
#include <memory>

#include "designer/link/serial_link.h"

namespace termlink {

std::unique_ptr<SerialLink> MakeSystemSerialLink();

}  // namespace termlink
