#pragma once
// The virtual terminal's entry in the designer's port map: a symbolic link
// COM<n> to the pseudo-terminal, so the port appears in the designer's port
// list under that name. The link goes when this object does.
#include <string>

namespace vterm {

class PortRegistration {
public:
    PortRegistration() = default;
    ~PortRegistration() { Remove(); }
    PortRegistration(const PortRegistration&) = delete;
    PortRegistration& operator=(const PortRegistration&) = delete;

    // Links `comName` ("COM7") in `folder` to `device`; an empty name takes
    // the lowest free COM number. An existing link is replaced only when the
    // device it names is gone. False with `error` set.
    bool Register(const std::string& folder, std::string comName, const std::string& device, std::string& error);

    const std::string& ComName() const { return comName_; }

    // Removes the link, if it still names our device.
    void Remove();

private:
    std::string linkPath_;
    std::string device_;
    std::string comName_;
};

}  // namespace vterm
