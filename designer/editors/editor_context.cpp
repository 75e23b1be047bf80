#include "designer/editors/editor_context.h"

#include "common/cp1251.h"

namespace editors {

void EditorContext::WriteLive(const std::function<void(task::TaskModel&)>& write) {
    write(task_.model);
    task_.modified = true;
}

std::string EditorContext::Text(int id) { return common::Cp1251ToUtf8(strings_.Lookup(id, text::LookupKind::Text)); }

std::string EditorContext::DirectText(int id) const { return common::Cp1251ToUtf8(strings_.Direct(id)); }

void EditorContext::ShowMessage(int captionId, int textId, common::MessageIcon icon) {
    ui_.ShowMessage(strings_.Lookup(captionId, text::LookupKind::Caption),
                    strings_.Lookup(textId, text::LookupKind::Message), icon);
}

}  // namespace editors
