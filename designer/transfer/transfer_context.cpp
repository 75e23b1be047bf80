#include "designer/transfer/transfer_context.h"

#include "designer/strings/string_ids.h"

namespace transfer {
namespace {

std::string Replaced(std::string text, std::string_view marker, std::string_view value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos) text.replace(at, marker.size(), value);
    return text;
}

}  // namespace

termlink::Notice NoticeOf(TransferContext& context, int captionId, int textId, common::MessageIcon icon) {
    return {context.strings.Lookup(captionId, text::LookupKind::Caption),
            context.strings.Lookup(textId, text::LookupKind::Message), icon};
}

void Tell(TransferContext& context, int captionId, int textId, common::MessageIcon icon) {
    termlink::Show(context.link.ui, NoticeOf(context, captionId, textId, icon));
}

termlink::Notice PortNoticeOf(TransferContext& context, int captionId, int textId, common::MessageIcon icon) {
    termlink::Notice notice = NoticeOf(context, captionId, textId, icon);
    const std::string& port = termlink::ShownPortName(context.link);
    if (!port.empty()) notice.text += "\r\n" + context.strings.Direct(strings::id::kPortNamed) + " " + port;
    return notice;
}

std::string WithNumber(std::string text, long number) {
    return Replaced(std::move(text), "%d", std::to_string(number));
}

std::string WithName(std::string text, std::string_view name) { return Replaced(std::move(text), "%s", name); }

common::ProgressLook ProgressLookOf(TransferContext& context, const std::string& label) {
    return {context.strings.Direct(strings::id::kProgressCaption), label, "ProgressDlg", 901, 870};
}

std::string StatusText(TransferContext& context, int textId) {
    return WithName(context.strings.Direct(textId), termlink::ShownPortName(context.link));
}

std::string StatusText(TransferContext& context, int textId, long number) {
    return WithNumber(StatusText(context, textId), number);
}

}  // namespace transfer
