#include "designer/transfer/transfer_context.h"

namespace transfer {

termlink::Notice NoticeOf(TransferContext& context, int captionId, int textId, common::MessageIcon icon) {
    return {context.strings.Lookup(captionId, text::LookupKind::Caption),
            context.strings.Lookup(textId, text::LookupKind::Message), icon};
}

void Tell(TransferContext& context, int captionId, int textId, common::MessageIcon icon) {
    termlink::Show(context.link.ui, NoticeOf(context, captionId, textId, icon));
}

std::string WithNumber(std::string text, long number) {
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(number));
    return text;
}

}  // namespace transfer
