#pragma once
// The lines of a lookup file as the terminal gets them. Lookup files come
// from Windows, Unix and old Mac programs alike, so on the host a line ends
// at CR LF, CR or LF; a last line without an end is a line too, and a file
// that ends with a line end has no empty line after it. Each line goes to the
// terminal in its own frame, ended by CR.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace transfer {

class LookupLineSplitter {
public:
    // Called with each whole line; returning false stops the splitting.
    using LineSink = std::function<bool(std::string_view line)>;

    // Takes the next bytes of the file and hands on the lines they end.
    // False when the sink stopped.
    bool Feed(std::string_view bytes, const LineSink& sink);
    // The file ended: hands on its last line if it had no line end.
    bool Finish(const LineSink& sink);

private:
    std::string line_;
    bool afterCr_ = false;  // a line feed right after a CR ends nothing
};

// The number (from 1) of the first line of a lookup file too long for its
// frame (termlink::kMaxLookupLineLength).
std::optional<int> FindOverlongLookupLine(std::string_view content);

}  // namespace transfer
