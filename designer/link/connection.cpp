#include "designer/link/connection.h"

namespace termlink {

Connection::Connection(LinkContext& c, const ReplyRule& rule)
    : context(c),
      stop([this] { return progress != nullptr && progress->CancelRequested(); }),
      reader(c.port, c.clock, &stop),
      reply(rule) {}

void Connection::SetStatus(const std::string& text) {
    if (progress) progress->SetText(text);
}

void Connection::Tell(const Notice& notice) {
    progress.reset();
    Show(context.ui, notice);
}

}  // namespace termlink
