#include "tools/uzx/terminal_png.h"

namespace uzx {

bool WriteTerminalPng(const simulator::ScreenBuffer&, double, const std::string&, std::string& error) {
    error = "this uzx was built without Qt (MOSTREL_BUILD_UI=OFF), so --png is not available";
    return false;
}

}  // namespace uzx
