#pragma once
// What the designer's transfer commands add to the link: the task, the
// string table their messages come from, and the lookup file last chosen.
// The shell keeps one context for the program run and sets the device and
// speed from the preferences before each command.
#include <string>

#include "common/text/string_table.h"
#include "designer/link/link_context.h"
#include "designer/link/notice.h"
#include "designer/task/task_model.h"

namespace transfer {

struct TransferContext {
    termlink::LinkContext link;
    task::Task& task;
    text::StringTable& strings;
    std::string lookupPath;  // preset in the next choice of a lookup file
};

// A message box with its caption and text looked up by id.
termlink::Notice NoticeOf(TransferContext& context, int captionId, int textId,
                          common::MessageIcon icon = common::MessageIcon::Warning);
void Tell(TransferContext& context, int captionId, int textId, common::MessageIcon icon);

// `text` with its first "%d" replaced by `number`. Texts may come from a
// language file, so they are never used as printf formats.
std::string WithNumber(std::string text, long number);

}  // namespace transfer
