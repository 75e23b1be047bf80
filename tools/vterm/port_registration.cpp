#include "tools/vterm/port_registration.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vterm {
namespace {

namespace fs = std::filesystem;

constexpr int kHighestComNumber = 9999;

// A link to a device that no longer exists.
bool PointsNowhere(const fs::path& link) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(link, error))) return false;
    return !fs::exists(link, error) && !error;
}

// Whether `fd` is still the file at `path`: a lock taken on a lock file that
// its last holder removed in the meantime guards nothing.
bool IsFileAt(int fd, const std::string& path) {
    struct stat held {};
    struct stat named {};
    return fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

}  // namespace

bool IsComName(const std::string& name) {
    if (name.size() < 4 || name.size() > 7 || name.compare(0, 3, "COM") != 0 || name[3] == '0') return false;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
    }
    return true;
}

PortRegistration::Claim PortRegistration::TryClaim(const std::string& folder, const std::string& comName,
                                                   const std::string& device, std::string& error,
                                                   std::string& note) {
    const std::string lockPath = (fs::path(folder) / ("." + comName + ".lock")).string();
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    const bool leftOver = fd < 0 && errno == EEXIST;
    if (leftOver) fd = ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot create " + lockPath + ": " + std::strerror(errno);
        return Claim::Failed;
    }
    const auto giveUp = [&](Claim claim) {
        if (!leftOver) ::unlink(lockPath.c_str());
        ::close(fd);
        return claim;
    };
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);  // a running vterm holds the name
        return Claim::Busy;
    }
    if (!IsFileAt(fd, lockPath)) {
        ::close(fd);  // its holder was just ending; the name is taken or free by the next look
        return Claim::Busy;
    }

    const fs::path link = fs::path(folder) / comName;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(link, ec))) {
        // A lock file nobody holds was left by a vterm that did not end
        // cleanly; without one the link was made by hand.
        if (!leftOver && !PointsNowhere(link)) return giveUp(Claim::Busy);
        fs::path was = fs::read_symlink(link, ec);
        fs::remove(link, ec);
        note = comName + " was left in the port map by a vterm that did not end cleanly (it named " +
               (was.empty() ? std::string("nothing") : was.string()) + "); it is taken over";
    }
    fs::create_symlink(device, link, ec);
    if (ec) {
        error = "cannot create " + link.string() + ": " + ec.message();
        return giveUp(Claim::Failed);
    }
    linkPath_ = link.string();
    lockPath_ = lockPath;
    lockFd_ = fd;
    device_ = device;
    comName_ = comName;
    return Claim::Taken;
}

bool PortRegistration::Register(const std::string& folder, std::string comName, const std::string& device,
                                std::string& error, std::string& note, const std::vector<std::string>& listed) {
    Remove();
    if (folder.empty()) {
        error = "no port map folder";
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot create the port map folder " + folder + ": " + ec.message();
        return false;
    }
    // Taking a system device's name would move that device to another
    // number, and a designer that chose it would silently follow the name.
    const auto systemDevice = [&](const std::string& name) {
        return std::find(listed.begin(), listed.end(), name) != listed.end() &&
               !fs::exists(fs::symlink_status(fs::path(folder) / name, ec));
    };
    if (!comName.empty()) {
        if (!IsComName(comName)) {
            error = "not a COM name: " + comName;
            return false;
        }
        if (systemDevice(comName)) {
            error = comName + " names one of the system's own serial devices in the port list";
            return false;
        }
        switch (TryClaim(folder, comName, device, error, note)) {
            case Claim::Taken: return true;
            case Claim::Failed: return false;
            case Claim::Busy: error = comName + " is already in the port map " + folder; return false;
        }
    }
    for (int n = 1; n <= kHighestComNumber; ++n) {
        const std::string candidate = "COM" + std::to_string(n);
        if (systemDevice(candidate)) continue;
        switch (TryClaim(folder, candidate, device, error, note)) {
            case Claim::Taken: return true;
            case Claim::Failed: return false;
            case Claim::Busy: break;
        }
    }
    error = "no free COM name in the port map " + folder;
    return false;
}

void PortRegistration::Remove() {
    if (linkPath_.empty()) return;
    std::error_code ec;
    if (fs::read_symlink(linkPath_, ec) == fs::path(device_)) fs::remove(linkPath_, ec);
    // Removed while still held, so no other vterm takes a lock on a file about to vanish.
    ::unlink(lockPath_.c_str());
    ::close(lockFd_);
    lockFd_ = -1;
    linkPath_.clear();
    lockPath_.clear();
}

}  // namespace vterm
