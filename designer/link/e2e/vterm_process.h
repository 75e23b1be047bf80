#pragma once
// The virtual terminal as a child process, for end-to-end tests and the
// benchmark: started with its flags, found by the line it prints, stopped
// (and waited for) when this object goes.
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace termlink {

class VtermProcess {
public:
    // Starts the vterm program ($MOSTREL_BIN/vterm, else the one built
    // beside this code) with `args` and waits for the line naming its port.
    // Nothing, with `error` set, when it does not come up.
    static std::unique_ptr<VtermProcess> Start(const std::vector<std::string>& args, std::string& error);

    ~VtermProcess();
    VtermProcess(const VtermProcess&) = delete;
    VtermProcess& operator=(const VtermProcess&) = delete;

    // The device path of the terminal's side of the line, for SerialLink::Open.
    const std::string& device() const { return device_; }

private:
    VtermProcess(pid_t pid, int output) : pid_(pid), output_(output) {}
    void Stop();

    pid_t pid_;
    int output_;  // the read end of the program's standard output
    std::string device_;
};

}  // namespace termlink
