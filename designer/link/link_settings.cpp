#include "designer/link/serial_link.h"

namespace termlink {

std::uint32_t RateOfSpeedIndex(int speedIndex) {
    switch (speedIndex) {
        case 0: return 115200;
        case 1: return 57600;
        case 2: return 38400;
        case 3: return 19200;
        case 4: return 9600;
        default: return 0;
    }
}

}  // namespace termlink
