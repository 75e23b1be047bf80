#include "designer/transfer/lookup_lines.h"

#include "designer/link/frames.h"
#include "designer/link/protocol.h"

namespace transfer {

namespace wire = termlink::wire;

bool LookupLineSplitter::Feed(std::string_view bytes, const LineSink& sink) {
    for (const char c : bytes) {
        const bool cr = c == static_cast<char>(wire::kCr);
        const bool lf = c == static_cast<char>(wire::kLf);
        if (cr || (lf && !afterCr_)) {
            const std::string line = std::move(line_);
            line_.clear();
            afterCr_ = cr;
            if (!sink(line)) return false;
        } else {
            afterCr_ = false;
            if (!lf) line_.push_back(c);
        }
    }
    return true;
}

bool LookupLineSplitter::Finish(const LineSink& sink) {
    afterCr_ = false;
    if (line_.empty()) return true;
    const std::string line = std::move(line_);
    line_.clear();
    return sink(line);
}

std::optional<int> FindOverlongLookupLine(std::string_view content) {
    int number = 0;
    std::optional<int> overlong;
    const LookupLineSplitter::LineSink check = [&](std::string_view line) {
        ++number;
        if (line.size() > termlink::kMaxLookupLineLength) overlong = number;
        return !overlong;
    };
    LookupLineSplitter splitter;
    if (splitter.Feed(content, check)) splitter.Finish(check);
    return overlong;
}

}  // namespace transfer
