#include "designer/link/port_setup.h"

#include "designer/link/cradle.h"

namespace termlink {

PortSetup PreparePort(LinkContext& context, std::size_t outputQueue, bool withCradle, StopRequest* stop) {
    SerialLink& port = context.port;
    if (!port.Open(context.device)) return PortSetup::CannotOpen;
    port.SetQueues(256, outputQueue);
    LineSettings& line = context.state.line;
    if (const std::uint32_t rate = RateOfSpeedIndex(context.speedIndex); rate != 0) line.rate = rate;
    line.byteSize = 8;
    line.parity = 0;
    line.stopBits = 0;
    if (withCradle && !ConfigureIrCradle(port, context.state, context.clock, context.speedIndex, stop)) {
        port.Close();
        return Stopped(stop) ? PortSetup::Stopped : PortSetup::CradleFailed;
    }
    if (!port.Apply(line)) {
        port.Close();
        return PortSetup::SettingsRefused;
    }
    port.SetTransferTimeouts();
    return PortSetup::Ready;
}

}  // namespace termlink
