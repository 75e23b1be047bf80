#pragma once
// What every transfer over the link needs, whichever program runs it: the
// port and what is kept of it for the run, the clock, the user, and the
// port and speed chosen for this transfer.
#include <string>

#include "common/clock.h"
#include "common/ui_port.h"
#include "designer/link/cradle.h"
#include "designer/link/serial_link.h"

namespace termlink {

struct LinkContext {
    common::UiPort& ui;
    common::Clock& clock;
    SerialLink& port;
    LinkState& state;     // line settings and settle delay, kept for the run

    std::string device;   // device path of the chosen port
    int speedIndex = 0;   // 0..4
    std::string portName{};  // the port as the user chose it ("COM7"); messages name it
};

// The port's name for messages: as the user chose it, else its device.
inline const std::string& ShownPortName(const LinkContext& context) {
    return context.portName.empty() ? context.device : context.portName;
}

}  // namespace termlink
