#pragma once
// Replacing a user's file without ever leaving it half written: the new
// content goes to a temporary file beside the target, every write is checked,
// the data is flushed to the disk, and only then is the temporary file
// renamed over the target. On any failure the old file stays as it was.
#include <memory>
#include <string>
#include <string_view>

#include "common/file_calls.h"

namespace common {

struct ReplaceResult {
    bool ok = false;
    std::string error;  // what failed, in words for the user; empty on success
};

// A replacement written piece by piece, as an upload's records arrive.
// Nothing touches the target before Commit; a replacement destroyed without
// one removes its temporary file.
class FileReplacement {
public:
    explicit FileReplacement(std::string target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Whether the temporary file could be created and every piece written.
    bool Good() const { return error_.empty(); }
    // Writes every byte; false when that fails, and then the replacement can
    // no longer be committed: its content is not what the caller meant.
    bool Append(std::string_view bytes);
    // Flushes the content to the disk and renames it over the target.
    ReplaceResult Commit();
    // Gives the replacement up but keeps what was written so far in the
    // temporary file, whose path it returns (empty when there is none): for
    // data that exists nowhere else once the replacement has failed.
    std::string KeepTemporary();
    // The first failure, in words for the user; empty while all is well.
    const std::string& Error() const { return error_; }

private:
    bool Fail(const char* what);

    FileCalls& calls_;
    std::string target_;
    std::string temporary_;
    std::unique_ptr<NewFile> file_;
    std::string error_;
    bool committed_ = false;
};

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view content);

// Whether `path` could be replaced now, checked before anything is done that
// cannot be undone (a terminal's records taken off it): a temporary file can
// be created beside it (it is removed again), and the path is not a folder
// (nor, on Windows, a read-only file). Nothing else is changed.
ReplaceResult CheckReplaceable(const std::string& path);

}  // namespace common
