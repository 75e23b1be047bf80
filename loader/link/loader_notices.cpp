#include "loader/link/loader_notices.h"

#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"

namespace loader {

using common::MessageIcon;

termlink::Notice LoaderError(int textId) {
    return {LoaderText(ids::kErrorCaption), LoaderText(textId), MessageIcon::Warning};
}

termlink::Notice RetryQuestion() {
    return {LoaderText(ids::kErrorCaption), LoaderText(ids::kRetryQuestion), MessageIcon::Question};
}

termlink::Notice FirmwareMismatch() {
    return {LoaderText(ids::kUnknownFormatCaption), LoaderText(ids::kFirmwareMismatch), MessageIcon::Warning};
}

termlink::Notice LoadComplete() {
    return {LoaderText(ids::kLoadCaption), LoaderText(ids::kLoadComplete), MessageIcon::Information};
}

termlink::SendFailureNotices BlockSendNotices() {
    return {LoaderError(ids::kMemoryFull), LoaderError(ids::kDownloadFailed)};
}

}  // namespace loader
