// POSIX: the new file is created exclusively under a name of this process,
// synced before the rename, and the folder is synced after it so the rename
// itself is on the disk.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "common/file_calls.h"

namespace common {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Unique within this process; O_EXCL keeps other processes' files safe.
std::string TemporaryPath(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

class PosixNewFile final : public NewFile {
public:
    explicit PosixNewFile(int fd) : fd_(fd) {}
    ~PosixNewFile() override {
        if (fd_ >= 0) close(fd_);
    }

    bool Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                if (written == 0) errno = EIO;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool Flush() override { return fsync(fd_) == 0; }

    bool Close() override {
        // The descriptor is gone even when close reports an error.
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

class PosixFileCalls final : public FileCalls {
public:
    std::unique_ptr<NewFile> CreateBeside(const std::string& target, std::string& path) override {
        path = TemporaryPath(target);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            path.clear();
            return nullptr;
        }
        struct stat old {};
        // The replacement keeps the permissions the user gave the old file.
        if (stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) fchmod(fd, old.st_mode & 07777);
        return std::make_unique<PosixNewFile>(fd);
    }

    bool Rename(const std::string& from, const std::string& to) override {
        if (rename(from.c_str(), to.c_str()) != 0) return false;
        // A failure here leaves a complete file; only its durability is unsure.
        const int folder = open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            fsync(folder);
            close(folder);
        }
        return true;
    }

    void Remove(const std::string& path) override { unlink(path.c_str()); }

    std::string LastError() override { return std::strerror(errno); }
};

}  // namespace

FileCalls& SystemFileCalls() {
    static PosixFileCalls calls;
    return calls;
}

}  // namespace common
