#pragma once
// The loader's handshake: "CIPHER" up to three times until the terminal
// names itself in a way that fits the task.
#include <optional>

#include "designer/link/connection.h"
#include "loader/batch_models.h"

namespace loader {

// Waits 100 ms, forgets whatever the terminal said before (a late answer of
// an earlier attempt is no answer to this one), sends "CIPHER\r" and reads
// the reply by the connection's rule; at most three times. The identifier
// the terminal answered (see TerminalIdOf) when it is ready. Nothing when
// it does not answer (silently), when it answers "ACK" to a task it cannot
// take ("Не известный формат"), or after three refusals ("Терминал не готов").
std::optional<FirmwareId> LoaderHandshake(termlink::Connection& connection, const FirmwareId& signature);

}  // namespace loader
