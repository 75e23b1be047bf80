#pragma once
// The calls with which a saved file reaches the disk: create a new file
// beside the one it will replace, write it, flush it, close it, rename it
// over the old one. The system's own calls by default; a test puts its own in
// place to make any one of them fail, and so proves that no failure can cost
// the user the file they had.
#include <memory>
#include <string>
#include <string_view>

namespace common {

// A new file being written.
class NewFile {
public:
    virtual ~NewFile() = default;  // closes the file when Close did not
    virtual bool Write(std::string_view bytes) = 0;  // every byte, or false
    virtual bool Flush() = 0;                        // to the disk
    virtual bool Close() = 0;
};

class FileCalls {
public:
    virtual ~FileCalls() = default;

    // A file that did not exist before, in the folder of `target`, under a
    // name no other file uses; it takes the permissions of `target` when that
    // exists. `path` receives its name. Null when it cannot be created.
    virtual std::unique_ptr<NewFile> CreateBeside(const std::string& target, std::string& path) = 0;
    // Moves `from` over `to` in one step that survives a power cut.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
    // The system's words for the last failure of one of these calls.
    virtual std::string LastError() = 0;
};

FileCalls& SystemFileCalls();

// What every save uses: the system's calls unless a FileCallsOverride is alive.
FileCalls& ActiveFileCalls();

// Puts other calls in place for its lifetime; for tests.
class FileCallsOverride {
public:
    explicit FileCallsOverride(FileCalls& calls);
    ~FileCallsOverride();
    FileCallsOverride(const FileCallsOverride&) = delete;
    FileCallsOverride& operator=(const FileCallsOverride&) = delete;

private:
    FileCalls* previous_;
};

}  // namespace common
