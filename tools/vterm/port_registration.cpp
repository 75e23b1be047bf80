#include "tools/vterm/port_registration.h"

#include <filesystem>
#include <system_error>

namespace vterm {
namespace {

namespace fs = std::filesystem;

bool IsComName(const std::string& name) {
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0 || name[3] == '0') return false;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
    }
    return name.size() <= 7;
}

// A link whose device no longer exists is left over from a run that died.
bool IsStale(const fs::path& link) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(link, error))) return false;
    return !fs::exists(link, error) && !error;
}

}  // namespace

bool PortRegistration::Register(const std::string& folder, std::string comName, const std::string& device,
                                std::string& error) {
    Remove();
    std::error_code ec;
    if (folder.empty()) {
        error = "no port map folder";
        return false;
    }
    fs::create_directories(folder, ec);
    if (comName.empty()) {
        for (int n = 1; n < 10000 && comName.empty(); ++n) {
            const std::string candidate = "COM" + std::to_string(n);
            const fs::path path = fs::path(folder) / candidate;
            if (!fs::exists(fs::symlink_status(path, ec)) || IsStale(path)) comName = candidate;
        }
    }
    if (!IsComName(comName)) {
        error = "not a COM name: " + comName;
        return false;
    }
    const fs::path link = fs::path(folder) / comName;
    if (fs::exists(fs::symlink_status(link, ec))) {
        if (!IsStale(link)) {
            error = comName + " is already in the port map " + folder;
            return false;
        }
        fs::remove(link, ec);
    }
    fs::create_symlink(device, link, ec);
    if (ec) {
        error = "cannot create " + link.string() + ": " + ec.message();
        return false;
    }
    linkPath_ = link.string();
    device_ = device;
    comName_ = comName;
    return true;
}

void PortRegistration::Remove() {
    if (linkPath_.empty()) return;
    std::error_code ec;
    if (fs::read_symlink(linkPath_, ec) == fs::path(device_)) fs::remove(linkPath_, ec);
    linkPath_.clear();
}

}  // namespace vterm
