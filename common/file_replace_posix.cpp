#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "common/file_replace.h"

namespace common {
namespace {

std::string Failure(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Unique within this process; O_EXCL keeps other processes' files safe.
std::string TemporaryPath(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view content) {
    const std::string temporary = TemporaryPath(path);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return {false, Failure("cannot create a file in the folder")};

    ReplaceResult result{true, {}};
    struct stat old {};
    // The replacement keeps the permissions the user gave the old file.
    if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) fchmod(fd, old.st_mode & 07777);
    if (!WriteAll(fd, content)) {
        result = {false, Failure("cannot write the file")};
    } else if (fsync(fd) != 0) {
        result = {false, Failure("cannot flush the file to the disk")};
    }
    if (close(fd) != 0 && result.ok) result = {false, Failure("cannot close the file")};
    if (result.ok && rename(temporary.c_str(), path.c_str()) != 0) {
        result = {false, Failure("cannot replace the file")};
    }
    if (!result.ok) {
        unlink(temporary.c_str());
        return result;
    }
    // Make the rename itself durable; a failure here leaves a complete file.
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return result;
}

ReplaceResult CheckReplaceable(const std::string& path) {
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) return {false, "it is a folder"};
    const std::string temporary = TemporaryPath(path);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return {false, Failure("cannot create a file in the folder")};
    close(fd);
    unlink(temporary.c_str());
    return {true, {}};
}

}  // namespace common
