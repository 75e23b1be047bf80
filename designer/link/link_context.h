#pragma once
// What a transfer command needs: the task, the texts, the user, the clock and
// the port. The shell keeps one context for the program run and sets the
// device and speed from the preferences before each command.
#include <string>

#include "common/clock.h"
#include "common/text/string_table.h"
#include "common/ui_port.h"
#include "designer/link/cradle.h"
#include "designer/link/serial_link.h"
#include "designer/task/task_model.h"

namespace termlink {

struct LinkContext {
    task::Task& task;
    text::StringTable& strings;
    common::UiPort& ui;
    common::Clock& clock;
    SerialLink& port;
    LinkState& state;     // line settings and settle delay, kept for the run

    std::string device;   // device path of the chosen port
    int speedIndex = 0;   // 0..4
    std::string lookupPath;  // the last lookup file chosen, preset in the next choice
};

// A message box with texts looked up by id.
void Tell(LinkContext& context, int captionId, int textId, common::MessageIcon icon);

// `text` with its first "%d" replaced by `number`. Texts may come from a
// language file, so they are never used as printf formats.
std::string WithNumber(std::string text, long number);

}  // namespace termlink
