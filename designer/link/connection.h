#pragma once
// One connected attempt of a transfer: the port is open and prepared, the
// reader keeps what arrived until the protocol asks for it, and replies are
// read by the program's own rule.
#include <memory>

#include "common/ui_port.h"
#include "designer/link/byte_reader.h"
#include "designer/link/link_context.h"
#include "designer/link/reply.h"

namespace termlink {

struct Connection {
    LinkContext& context;
    ByteReader reader;
    ReplyRule reply;  // the loader changes it once it knows the terminal's model
    std::unique_ptr<common::ProgressWindow> progress;  // shown from the end of the handshake

    Connection(LinkContext& c, const ReplyRule& rule) : context(c), reader(c.port, c.clock), reply(rule) {}
};

}  // namespace termlink
