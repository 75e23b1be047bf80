#include "designer/editors/editor_context.h"

#include "common/cp1251.h"

namespace editors {

void EditorContext::WriteLive(const std::function<void(task::TaskModel&)>& write) {
    write(task_.model);
    task_.modified = true;
}

std::string EditorContext::Text(int id) { return common::Cp1251ToUtf8(strings_.Lookup(id, shell::LookupKind::Text)); }

std::string EditorContext::DirectText(int id, const char* builtIn) const {
    return common::Cp1251ToUtf8(strings_.Direct(id, builtIn));
}

void EditorContext::ShowMessage(int captionId, int textId, common::MessageIcon icon) {
    ui_.ShowMessage(strings_.Lookup(captionId, shell::LookupKind::Caption),
                    strings_.Lookup(textId, shell::LookupKind::Message), icon);
}

}  // namespace editors
