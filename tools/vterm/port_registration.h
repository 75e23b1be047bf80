#pragma once
// The virtual terminal's entry in the designer's port map: a symbolic link
// COM<n> to the pseudo-terminal, so the port appears in the designer's port
// list under that name. The link goes when this object does.
//
// Beside the link a hidden lock file ".COM<n>.lock" is held locked for as
// long as the link is ours. The system drops the lock when its holder ends,
// however it ends, so a link left by a vterm that was killed is known to be
// stale even when the number of its pseudo-terminal was given to another
// one since.
#include <string>
#include <vector>

namespace vterm {

class PortRegistration {
public:
    PortRegistration() = default;
    ~PortRegistration() { Remove(); }
    PortRegistration(const PortRegistration&) = delete;
    PortRegistration& operator=(const PortRegistration&) = delete;

    // Links `comName` ("COM7") in `folder` to `device`; an empty name takes
    // the lowest free COM number. The names of `listed` (the port list as it
    // is) that the map does not hold are the system's own devices': they are
    // never taken. A link another running vterm holds, or one made by hand
    // to a device that exists, is left alone; a stale one is replaced, and
    // `note` then says so. False with `error` set.
    bool Register(const std::string& folder, std::string comName, const std::string& device, std::string& error,
                  std::string& note, const std::vector<std::string>& listed = {});

    const std::string& ComName() const { return comName_; }

    // Removes the link, if it still names our device, and its lock file.
    void Remove();

private:
    enum class Claim { Taken, Busy, Failed };
    // Takes `comName` when no living vterm and no hand-made link holds it.
    Claim TryClaim(const std::string& folder, const std::string& comName, const std::string& device,
                   std::string& error, std::string& note);

    std::string linkPath_;
    std::string lockPath_;
    int lockFd_ = -1;
    std::string device_;
    std::string comName_;
};

// Whether `name` is a COM name the port map takes: "COM" and a number 1 to 9999.
bool IsComName(const std::string& name);

}  // namespace vterm
