#pragma once
// Opening and preparing the port for a transfer, in the order terminals and
// cradles expect: open, queues, cradle, line settings, time-outs.
#include <cstddef>

#include "designer/link/link_context.h"
#include "designer/link/stop_request.h"

namespace termlink {

enum class PortSetup { Ready, CannotOpen, CradleFailed, SettingsRefused, Stopped };

// On any failure after opening, the port is closed again. The cradle's
// configuration ends early, with Stopped, once `stop` is given.
PortSetup PreparePort(LinkContext& context, std::size_t outputQueue, bool withCradle, StopRequest* stop = nullptr);

}  // namespace termlink
