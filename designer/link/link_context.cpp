#include "designer/link/link_context.h"

namespace termlink {

void Tell(LinkContext& context, int captionId, int textId, common::MessageIcon icon) {
    context.ui.ShowMessage(context.strings.Lookup(captionId, text::LookupKind::Caption),
                           context.strings.Lookup(textId, text::LookupKind::Message), icon);
}

std::string WithNumber(std::string text, long number) {
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(number));
    return text;
}

}  // namespace termlink
