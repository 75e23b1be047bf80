// Windows: the temporary file is written through to the disk, flushed, and
// moved over the target in one step that is itself written through.
#include <windows.h>

#include <atomic>
#include <string>

#include "common/file_replace.h"

namespace common {
namespace {

// Takes the error code before anything else can change it.
std::string Failure(const char* what) {
    const DWORD error = GetLastError();
    return std::string(what) + " (error " + std::to_string(error) + ")";
}

// Unique within this process; CREATE_NEW keeps other processes' files safe.
std::string TemporaryPath(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

}  // namespace

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view content) {
    const std::string temporary = TemporaryPath(path);
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {false, Failure("cannot create a file in the folder")};
    ReplaceResult result{true, {}};
    DWORD written = 0;
    if (!WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        written != content.size()) {
        result = {false, Failure("cannot write the file")};
    } else if (!FlushFileBuffers(file)) {
        result = {false, Failure("cannot flush the file to the disk")};
    }
    if (!CloseHandle(file) && result.ok) result = {false, Failure("cannot close the file")};
    if (result.ok && !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        result = {false, Failure("cannot replace the file")};
    }
    if (!result.ok) DeleteFileA(temporary.c_str());
    return result;
}

ReplaceResult CheckReplaceable(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {false, "it is a folder"};
        // A read-only file refuses to be moved over.
        if (attributes & FILE_ATTRIBUTE_READONLY) return {false, "the file is read-only"};
    }
    const std::string temporary = TemporaryPath(path);
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {false, Failure("cannot create a file in the folder")};
    CloseHandle(file);
    DeleteFileA(temporary.c_str());
    return {true, {}};
}

}  // namespace common
