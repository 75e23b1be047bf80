#pragma once
// uzx simulate --png: the drawn terminal showing a screen, as a PNG file.
// Built with Qt when the designer's window is built; otherwise it only says
// that this uzx cannot draw.
#include <string>

#include "designer/simulator/screen_buffer.h"

namespace uzx {

// Writes the terminal `zoom` times its own size (1 to 3). False, with the
// reason in `error`, when nothing was written.
bool WriteTerminalPng(const simulator::ScreenBuffer& screen, double zoom, const std::string& path,
                      std::string& error);

}  // namespace uzx
