#include "common/whole_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace common {

WholeFile ReadWholeFile(const std::string& path, std::size_t limit) {
    WholeFile file;
    // A pipe nobody writes to would be waited on for ever, a device read
    // as if it were the file the user meant.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || error) return file;
    // read() keeps a failing read (a folder) inside the stream as its bad bit;
    // reading through a stream buffer iterator would throw it at us instead.
    std::ifstream in(path, std::ios::binary);
    if (!in) return file;
    char buffer[4096];
    while (file.bytes.size() <= limit) {
        in.read(buffer, static_cast<std::streamsize>(std::min(sizeof buffer, limit + 1 - file.bytes.size())));
        file.bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) {
        file.bytes.clear();
        return file;
    }
    if (file.bytes.size() > limit) {
        file.bytes.clear();
        file.status = WholeFileStatus::TooLarge;
        return file;
    }
    file.status = WholeFileStatus::Ok;
    return file;
}

}  // namespace common
