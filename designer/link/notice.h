#pragma once
// A message box as data: the link core shows what its caller gives it, so
// each program passes its own texts (the designer's from its string table,
// the loader's Russian ones).
#include <string>

#include "common/ui_port.h"

namespace termlink {

struct Notice {
    std::string caption;
    std::string text;
    common::MessageIcon icon = common::MessageIcon::Warning;
};

inline void Show(common::UiPort& ui, const Notice& notice) {
    ui.ShowMessage(notice.caption, notice.text, notice.icon);
}

inline bool AskYes(common::UiPort& ui, const Notice& question) {
    return ui.AskYesNo(question.caption, question.text, question.icon) == common::Answer::Yes;
}

}  // namespace termlink
