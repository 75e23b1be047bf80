#pragma once
// One connected attempt of a transfer: the progress window the user sees it
// in (and may stop it from), the reader that keeps what arrived until the
// protocol asks for it, and the rule replies are read by.
#include <memory>
#include <string>

#include "common/ui_port.h"
#include "designer/link/byte_reader.h"
#include "designer/link/link_context.h"
#include "designer/link/notice.h"
#include "designer/link/reply.h"
#include "designer/link/stop_request.h"

namespace termlink {

struct Connection {
    LinkContext& context;
    // Open while the transfer runs; its Cancel is the stop request.
    std::unique_ptr<common::ProgressWindow> progress;
    StopRequest stop;
    ByteReader reader;
    ReplyRule reply;  // the loader changes it once it knows the terminal's model

    Connection(LinkContext& c, const ReplyRule& rule);
    // The stop request and the reader refer to this object.
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // What the transfer is doing now, on the progress window when it is open.
    void SetStatus(const std::string& text);
    // Closes the progress window first, so the message is not hidden behind it.
    void Tell(const Notice& notice);
    bool Stopped() { return stop.Given(); }
};

}  // namespace termlink
