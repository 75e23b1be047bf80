#pragma once
// The designer's transfers over the in-memory link, for the protocol
// targets: the far end answers each write the host makes with what
// `answer` returns, and everything it sent is kept in `answered`.
#include <functional>
#include <string>

#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/transfer/transfer_context.h"
#include "testing/scripted_ui.h"
#include "testing/test_terminal.h"

namespace fuzz {

struct LinkBench {
    explicit LinkBench(std::function<std::string(const std::string& written)> answerWith);

    // Whether a message with the text of `textId` was shown.
    bool Shown(int textId);

    common::TestClock clock;
    test_support::MemoryLinkPair pair{clock};
    test_support::TestTerminal terminal{pair};
    test_support::ScriptedUi ui;
    text::StringTable strings;
    task::Task task;
    termlink::LinkState state;
    transfer::TransferContext context{{ui, clock, pair.host(), state, "/dev/fuzz", 0}, task, strings, {}};
    std::string answered;
};

}  // namespace fuzz
