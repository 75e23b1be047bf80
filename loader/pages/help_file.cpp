#include "loader/pages/help_file.h"

#include <filesystem>
#include <system_error>

namespace loader::pages {

std::string HelpFileOf(const std::string& programFolder) {
    const std::filesystem::path folder(programFolder);
    std::error_code error;
    if (std::filesystem::is_regular_file(folder / "Tarvel.chm", error)) return (folder / "Tarvel.chm").string();
    return (folder / "Tarvel.html").string();
}

}  // namespace loader::pages
