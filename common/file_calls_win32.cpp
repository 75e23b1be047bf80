// Windows: the new file is written through to the disk, flushed, and moved
// over the target in one step that is itself written through.
#include <windows.h>

#include <algorithm>
#include <atomic>

#include "common/file_calls.h"

namespace common {
namespace {

// Unique within this process; CREATE_NEW keeps other processes' files safe.
std::string TemporaryPath(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

class Win32NewFile final : public NewFile {
public:
    explicit Win32NewFile(HANDLE file) : file_(file) {}
    ~Win32NewFile() override {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    }

    bool Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file_, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
            bytes.remove_prefix(written);
        }
        return true;
    }

    bool Flush() override { return FlushFileBuffers(file_) != 0; }

    bool Close() override {
        const HANDLE file = file_;
        file_ = INVALID_HANDLE_VALUE;
        return CloseHandle(file) != 0;
    }

private:
    HANDLE file_;
};

class Win32FileCalls final : public FileCalls {
public:
    std::unique_ptr<NewFile> CreateBeside(const std::string& target, std::string& path) override {
        path = TemporaryPath(target);
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            path.clear();
            return nullptr;
        }
        return std::make_unique<Win32NewFile>(file);
    }

    bool Rename(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    void Remove(const std::string& path) override { DeleteFileA(path.c_str()); }

    // Taken before anything else can change the code.
    std::string LastError() override { return "error " + std::to_string(GetLastError()); }
};

}  // namespace

FileCalls& SystemFileCalls() {
    static Win32FileCalls calls;
    return calls;
}

}  // namespace common
