#pragma once
// One connected attempt of a transfer: the port is open and prepared, and the
// reader keeps what arrived until the protocol asks for it.
#include <memory>

#include "common/ui_port.h"
#include "designer/link/byte_reader.h"
#include "designer/link/link_context.h"

namespace termlink {

struct Connection {
    LinkContext& context;
    ByteReader reader;
    std::unique_ptr<common::ProgressWindow> progress;  // a download's, from the end of the handshake

    explicit Connection(LinkContext& c) : context(c), reader(c.port, c.clock) {}
};

}  // namespace termlink
