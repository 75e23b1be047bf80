#include "testing/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace test_support {
namespace {

namespace fs = std::filesystem;

// A short name, as some tests show paths that must not be shortened.
std::string RandomName(std::mt19937& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = "mostrel-test-";
    for (int i = 0; i < 6; ++i) name += kLetters[pick(random)];
    return name;
}

// A name no one else uses: created here, so a folder of the same name
// (another test running at the same time) makes us pick another.
fs::path CreateUniqueFolder() {
    std::random_device seed;
    std::mt19937 random(seed());
    const fs::path base = fs::temp_directory_path();
    for (;;) {
        const fs::path candidate = base / RandomName(random);
        std::error_code error;
        if (fs::create_directory(candidate, error)) return candidate;
        if (error) throw fs::filesystem_error("cannot create a temporary folder", candidate, error);
    }
}

void MakeParent(const std::string& path) { fs::create_directories(fs::path(path).parent_path()); }

}  // namespace

TempFolder::TempFolder() : path_(CreateUniqueFolder().string()) {}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& name) const { return (fs::path(path_) / name).string(); }

void TempFolder::Write(const std::string& name, const std::string& content) const {
    MakeParent(File(name));
    std::ofstream(File(name), std::ios::binary) << content;
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFolder::Link(const std::string& name, const std::string& target) const {
    MakeParent(File(name));
    fs::create_symlink(target, File(name));
}

}  // namespace test_support
