#pragma once
// A folder of its own under the system's temporary folder for one test,
// removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace termlink::testing {

class TestFolder {
public:
    TestFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mostrel-link-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TestFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    void Write(const std::string& name, const std::string& content) const {
        std::filesystem::create_directories(std::filesystem::path(*this / name).parent_path());
        std::ofstream(*this / name, std::ios::binary) << content;
    }
    void Link(const std::string& name, const std::string& target) const {
        std::filesystem::create_directories(std::filesystem::path(*this / name).parent_path());
        std::filesystem::create_symlink(target, *this / name);
    }

private:
    std::string path_;
};

}  // namespace termlink::testing
