#pragma once
// The virtual terminal as a child process, for the end-to-end tests, the
// virtual terminal's own tests and the benchmark: started with its flags,
// found by the line it prints, stopped (and waited for) when this object
// goes. It uses the port map the environment names, as the tests set it.
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace test_support {

// The vterm program: $MOSTREL_BIN/vterm, else the one of this build.
std::string VtermPath();

class VtermProcess {
public:
    // Starts the vterm program (VtermPath) with `args` and waits for the
    // line naming its device and COM name. Nothing, with `error` set, when it
    // does not come up.
    static std::unique_ptr<VtermProcess> Start(const std::vector<std::string>& args, std::string& error);

    // Asks the program to stop and gives it the time to remove its port
    // link; kills it when it does not end in time.
    ~VtermProcess();
    VtermProcess(const VtermProcess&) = delete;
    VtermProcess& operator=(const VtermProcess&) = delete;

    // The device path of the terminal's side of the line, for SerialLink::Open.
    const std::string& Device() const { return device_; }
    // The COM name it registered in the port map.
    const std::string& ComName() const { return comName_; }

    // The exit status once the program has ended, waiting up to `ms` for
    // it (128 + the signal when a signal ended it); -1 while it still runs.
    int WaitForExit(int ms);
    void Signal(int signal) const;

private:
    VtermProcess(pid_t pid, int output) : pid_(pid), output_(output) {}

    pid_t pid_;
    int output_;  // the read end of the program's standard output
    std::string device_;
    std::string comName_;
};

}  // namespace test_support
