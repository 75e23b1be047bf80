// The loader's TARVEL.ini, which a user may edit by hand. Whatever the file
// holds, the settings read from it are in range, fit the file when written,
// and read back as they were; writing them again gives the same bytes.
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "loader/loader_settings.h"

namespace {

bool Same(const loader::LoaderSettings& a, const loader::LoaderSettings& b) {
    return a.lastTaskPath == b.lastTaskPath && a.linkType == b.linkType && a.portNumber == b.portNumber &&
           a.speedIndex == b.speedIndex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    const loader::LoaderSettings read =
        loader::ParseLoaderSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    Require(read.linkType == 0 || read.linkType == 1, "a link type the loader does not have");
    Require(read.speedIndex >= 0 && read.speedIndex <= 4, "a speed the loader does not have");
    Require(read.portNumber >= 1, "a port below COM1");
    Require(!read.lastTaskPath.empty() && read.lastTaskPath.size() <= loader::LoaderSettings::kMaxPathLength &&
                read.lastTaskPath.find_first_of("\r\n") == std::string::npos,
            "a task path the file cannot hold");

    const std::string written = loader::FormatLoaderSettings(read);
    Require(written.size() <= loader::LoaderSettings::kMaxFileSize, "the settings written outgrow the file");
    const loader::LoaderSettings back = loader::ParseLoaderSettings(written);
    Require(Same(back, read), "written settings read back differently");
    Require(loader::FormatLoaderSettings(back) == written, "the same settings were written differently");
    return 0;
}
