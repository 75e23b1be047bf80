// The vterm program itself, driven over the real termios link.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "designer/link/cradle.h"
#include "designer/link/frames.h"
#include "designer/link/port_list.h"
#include "designer/link/system_serial_link.h"
#include "designer/link/terminal_image.h"
#include "designer/link/test_folder.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"

extern char** environ;

namespace vterm {
namespace {

std::string VtermPath() {
    if (const char* bin = std::getenv("MOSTREL_BIN")) return std::string(bin) + "/vterm";
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin" / "vterm").string();
}

// One vterm run with its own port map; the test process uses the same map.
class VtermProcess {
public:
    VtermProcess(const termlink::testing::TestFolder& folder, std::vector<std::string> args) {
        setenv("MOSTREL_PORT_MAP", (folder / "ports").c_str(), 1);
        // The machine's own serial devices stay out of the port list.
        std::filesystem::create_directories(folder / "no-tty");
        setenv("MOSTREL_SYS_CLASS_TTY", (folder / "no-tty").c_str(), 1);
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        args.insert(args.begin(), VtermPath());
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        // The first line says where the terminal listens.
        std::string line;
        char c = 0;
        pollfd p{out[0], POLLIN, 0};
        while (pid_ > 0 && poll(&p, 1, 5000) > 0 && read(out[0], &c, 1) == 1 && c != '\n') line += c;
        close(out[0]);
        const std::size_t space = line.find(' ');
        if (space != std::string::npos) {
            device_ = line.substr(0, space);
            comName_ = line.substr(space + 1);
        }
    }
    ~VtermProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }
    const std::string& Device() const { return device_; }
    const std::string& ComName() const { return comName_; }

    // The exit status, waiting up to `ms`; -1 when it is still running.
    int Exit(int ms) {
        for (int waited = 0; waited <= ms; waited += 20) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            usleep(20 * 1000);
        }
        return -1;
    }
    void Signal(int signal) const { kill(pid_, signal); }

private:
    pid_t pid_ = -1;
    std::string device_;
    std::string comName_;
};

// A reply up to its CR, within `ms`.
std::string ReadReply(termlink::SerialLink& link, int ms = 3000) {
    std::string reply;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < deadline && (reply.empty() || reply.back() != '\r')) {
        std::uint8_t b = 0;
        const int n = link.Read(&b, 1, 100);
        if (n < 0) break;
        if (n == 1) reply.push_back(static_cast<char>(b));
    }
    return reply;
}

bool Send(termlink::SerialLink& link, const std::string& bytes) {
    return link.Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(VtermProcess, CradleHandshakeAndTaskOverTheRealLink) {
    termlink::testing::TestFolder folder;
    VtermProcess vterm(folder, {"--com", "COM7", "--once", "--task-out", folder / "got.uzx", "--image-out",
                                folder / "got.img"});
    ASSERT_EQ(vterm.ComName(), "COM7");
    std::vector<std::string> lines;
    ASSERT_EQ(termlink::ListSerialPorts(&lines, nullptr, 0), 1);
    EXPECT_EQ(lines[0], "COM7 - Virtual port (" + vterm.Device() + ")");

    auto link = termlink::MakeSystemSerialLink();
    ASSERT_TRUE(link->Open(termlink::DeviceOfPort("COM7")));
    termlink::LinkState state;
    common::SteadyClock clock;
    ASSERT_TRUE(termlink::ConfigureIrCradle(*link, state, clock, 0));
    EXPECT_EQ(state.line.rate, 115200u);
    ASSERT_TRUE(link->Apply(state.line));
    ASSERT_TRUE(link->SetTransferTimeouts());

    ASSERT_TRUE(Send(*link, "CIPHER\r"));
    EXPECT_EQ(ReadReply(*link), "8300RU004\r");

    task::TaskModel model = task::testing::FreshTask();
    const termlink::TerminalImage image = termlink::BuildTerminalImage(model);
    for (int block = 0; block < 200; ++block) {
        const auto frame = termlink::MakeTaskBlockFrame(image, block);
        ASSERT_TRUE(link->Write(frame.data(), frame.size()));
        ASSERT_EQ(ReadReply(*link), "ACK\r") << "block " << block;
    }
    link->Close();
    EXPECT_EQ(vterm.Exit(5000), 0);

    EXPECT_EQ(FileBytes(folder / "got.img"), std::string(image.begin(), image.end()));
    task::TaskModel received;
    ASSERT_EQ(task::ReadTaskFile(folder / "got.uzx", task::testing::EnglishDefaults(), received).status,
              task::ReadStatus::Ok);
    EXPECT_EQ(termlink::WriteImage(received), image);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / "ports/COM7")));
}

TEST(VtermProcess, SilentTerminalAndCleanStopOnSignal) {
    termlink::testing::TestFolder folder;
    VtermProcess vterm(folder, {"--silent"});
    ASSERT_EQ(vterm.ComName(), "COM1");  // the lowest free name
    auto link = termlink::MakeSystemSerialLink();
    ASSERT_TRUE(link->Open("COM1"));
    ASSERT_TRUE(Send(*link, "CIPHER\r"));
    EXPECT_EQ(ReadReply(*link, 300), "");
    link->Close();

    vterm.Signal(SIGTERM);
    EXPECT_EQ(vterm.Exit(3000), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / "ports/COM1")));
}

TEST(VtermProcess, WireSpeedUploadTakesTheWireTime) {
    termlink::testing::TestFolder folder;
    std::string records;
    for (int i = 0; i < 100; ++i) records += "REC" + std::to_string(1000 + i) + "\n";
    folder.Write("records.txt", records);
    VtermProcess vterm(folder, {"--wire-speed", "--once", "--records", folder / "records.txt"});
    auto link = termlink::MakeSystemSerialLink();
    ASSERT_TRUE(link->Open(vterm.Device()));
    termlink::LineSettings line;
    line.rate = 19200;
    line.byteSize = 8;
    ASSERT_TRUE(link->Apply(line));

    const auto start = std::chrono::steady_clock::now();
    std::size_t bytes = 5;
    ASSERT_TRUE(Send(*link, "READ\r"));
    std::string reply = ReadReply(*link);
    ASSERT_EQ(reply, "ACK\r");
    bytes += reply.size();
    for (int i = 0;; ++i) {
        reply = ReadReply(*link);
        bytes += reply.size();
        if (reply == "OVER\r") break;
        ASSERT_GE(reply.size(), 8u) << "record " << i;
        ASSERT_EQ(reply.substr(1, 7), "REC" + std::to_string(1000 + i));
        ASSERT_TRUE(Send(*link, "ACK\r"));
        bytes += 4;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double wireSeconds = static_cast<double>(bytes) * 10 / 19200;
    EXPECT_GT(seconds, 0.8 * wireSeconds);
    EXPECT_LT(seconds, 3 * wireSeconds + 1);
    EXPECT_EQ(vterm.Exit(3000), 0);
}

}  // namespace
}  // namespace vterm
