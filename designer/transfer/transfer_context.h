#pragma once
// What the designer's transfer commands add to the link: the task, the
// string table their messages come from, and the lookup file last chosen.
// The shell keeps one context for the program run and sets the device and
// speed from the preferences before each command.
#include <string>
#include <string_view>

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

// The same for what went wrong on the link: a line naming the port follows
// the text, so a user with several ports knows which one failed.
termlink::Notice PortNoticeOf(TransferContext& context, int captionId, int textId,
                              common::MessageIcon icon = common::MessageIcon::Warning);

// `text` with its first "%d" replaced by `number`, or its first "%s" by
// `name`. Texts may come from a language file, so they are never used as
// printf formats.
std::string WithNumber(std::string text, long number);
std::string WithName(std::string text, std::string_view name);

// The designer's progress window "ProgressDlg" (label 901, bar 870) with
// its caption from the string table and `label`.
common::ProgressLook ProgressLookOf(TransferContext& context, const std::string& label);

// A progress text by id with the port's name (and a number) in it.
std::string StatusText(TransferContext& context, int textId);
std::string StatusText(TransferContext& context, int textId, long number);

}  // namespace transfer
