#pragma once
// Opening and preparing the port for a transfer, in the order terminals and
// cradles expect: open, queues, cradle, line settings, time-outs.
#include <cstddef>

#include "designer/link/link_context.h"

namespace termlink {

enum class PortSetup { Ready, CannotOpen, CradleFailed, SettingsRefused };

// On any failure after opening, the port is closed again.
PortSetup PreparePort(LinkContext& context, std::size_t outputQueue, bool withCradle);

}  // namespace termlink
