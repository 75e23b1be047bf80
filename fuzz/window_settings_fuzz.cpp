// The designer's MostrelWindow.ini, which a user may edit by hand. Whatever
// the file holds, the settings read from it are written as a file that reads
// back to the same settings; a place is kept only whole, both of its corners'
// numbers.
#include <fstream>

#include "designer/shell/window_settings.h"
#include "fuzz/fuzz_input.h"
#include "testing/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    static const test_support::TempFolder folder;
    static const std::string path = folder.File("MostrelWindow.ini");
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));

    const shell::WindowSettings read = shell::ReadWindowSettings(path);
    const std::string written = shell::FormatWindowSettings(read);
    Require(shell::WriteWindowSettings(path, read), "the settings could not be written back");
    const shell::WindowSettings back = shell::ReadWindowSettings(path);
    Require(back == read, "written settings read back differently");
    Require(shell::FormatWindowSettings(back) == written, "the same settings were written differently");
    return 0;
}
