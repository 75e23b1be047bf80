#pragma once
// A folder of its own under the system's temporary folder (TMPDIR on POSIX)
// for one test, removed with everything in it when the test is done.
#include <string>

namespace test_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The path of `name` inside the folder (`name` may hold subfolders).
    std::string File(const std::string& name) const;

    // Writes `content` to `name`, making the folders on the way.
    void Write(const std::string& name, const std::string& content) const;
    // The content of `name`; empty when it cannot be read.
    std::string Read(const std::string& name) const;
    // Makes `name` a symbolic link to `target`, making the folders on the way.
    void Link(const std::string& name, const std::string& target) const;

private:
    std::string path_;
};

}  // namespace test_support
