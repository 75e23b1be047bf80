// The vterm program itself, driven over the real termios link.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "designer/link/cradle.h"
#include "designer/link/frames.h"
#include "designer/link/port_list.h"
#include "designer/link/system_serial_link.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "designer/transfer/terminal_image.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace vterm {
namespace {

// Each test runs vterm with a port map of its own, which this process uses
// too; the machine's own serial devices stay out of the port list.
class VtermProcessTest : public ::testing::Test {
protected:
    VtermProcessTest() {
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        std::filesystem::create_directories(folder.File("no-tty"));
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("no-tty").c_str(), 1);
    }
    ~VtermProcessTest() override {
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }

    std::unique_ptr<test_support::VtermProcess> Start(const std::vector<std::string>& args) {
        std::string error;
        auto process = test_support::VtermProcess::Start(args, error);
        if (!process) ADD_FAILURE() << error;
        return process;
    }

    test_support::TempFolder folder;
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

// Runs vterm to its end (a refusal ends it at once): the exit status, with stderr in `errors`.
int RunVterm(const std::vector<std::string>& args, const std::string& errorFile, std::string& errors) {
    std::string command = VTERM_PROGRAM;
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >/dev/null 2>'" + errorFile + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(errorFile, std::ios::binary);
    errors.assign(std::istreambuf_iterator<char>(in), {});
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(VtermProcessTest, RefusalsComeBeforeTheTerminalIsThere) {
    std::string errors;
    const std::string log = folder.File("stderr");
    // Every bad command line is status 1, saying what is wrong.
    EXPECT_EQ(RunVterm({"--com", "COM0"}, log, errors), 1);
    EXPECT_NE(errors.find("--com wants a name COM1 to COM9999, not COM0"), std::string::npos) << errors;
    EXPECT_EQ(RunVterm({"--nak", "x"}, log, errors), 1);
    EXPECT_EQ(RunVterm({"stray"}, log, errors), 1);
    EXPECT_EQ(RunVterm({"--records"}, log, errors), 1);

    // A file that cannot be read or written is status 2, before a port is registered.
    std::filesystem::create_directories(folder.File("a folder"));
    EXPECT_EQ(RunVterm({"--task-out", folder.File("a folder")}, log, errors), 2);
    EXPECT_NE(errors.find("cannot write --task-out"), std::string::npos) << errors;
    EXPECT_EQ(RunVterm({"--lookup-out", folder.File("no such folder/x.txt")}, log, errors), 2);
    EXPECT_EQ(RunVterm({"--records", folder.File("a folder")}, log, errors), 2);
    folder.Write("long.txt", "fine\n" + std::string(252, 'x') + "\n");
    EXPECT_EQ(RunVterm({"--records", folder.File("long.txt")}, log, errors), 2);
    EXPECT_NE(errors.find("record 2 of"), std::string::npos) << errors;
    EXPECT_FALSE(std::filesystem::exists(folder.File("ports")) && !std::filesystem::is_empty(folder.File("ports")));
}

TEST_F(VtermProcessTest, ALinkLeftByAKilledVtermIsTakenOver) {
    auto killed = Start({"--com", "COM7", "--silent"});
    ASSERT_TRUE(killed);
    killed->Signal(SIGKILL);
    EXPECT_EQ(killed->WaitForExit(3000), 128 + SIGKILL);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("ports/COM7")));  // left behind

    const auto next = Start({"--com", "COM7", "--silent"});
    ASSERT_TRUE(next);
    EXPECT_EQ(next->ComName(), "COM7");
    EXPECT_EQ(termlink::ResolvePortDevice("COM7"), next->Device());
}

TEST_F(VtermProcessTest, CradleHandshakeAndTaskOverTheRealLink) {
    const auto vterm = Start({"--com", "COM7", "--once", "--task-out", folder.File("got.uzx"), "--image-out",
                              folder.File("got.img")});
    ASSERT_TRUE(vterm);
    ASSERT_EQ(vterm->ComName(), "COM7");
    std::vector<std::string> lines;
    ASSERT_EQ(termlink::ListSerialPorts(&lines, nullptr, 0), 1);
    EXPECT_EQ(lines[0], "COM7 - Virtual port (" + vterm->Device() + ")");

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
    const transfer::TerminalImage image = transfer::BuildTerminalImage(model);
    for (int block = 0; block < 200; ++block) {
        const auto frame = termlink::MakeTaskBlockFrame(transfer::ImageBlock(image, block), block);
        ASSERT_TRUE(link->Write(frame.data(), frame.size()));
        ASSERT_EQ(ReadReply(*link), "ACK\r") << "block " << block;
    }
    link->Close();
    EXPECT_EQ(vterm->WaitForExit(5000), 0);

    EXPECT_EQ(FileBytes(folder.File("got.img")), std::string(image.begin(), image.end()));
    task::TaskModel received;
    ASSERT_EQ(task::ReadTaskFile(folder.File("got.uzx"), task::testing::EnglishDefaults(), received).status,
              task::ReadStatus::Ok);
    EXPECT_EQ(transfer::WriteImage(received), image);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder.File("ports/COM7"))));
}

TEST_F(VtermProcessTest, SilentTerminalAndCleanStopOnSignal) {
    const auto vterm = Start({"--silent"});
    ASSERT_TRUE(vterm);
    ASSERT_EQ(vterm->ComName(), "COM1");  // the lowest free name
    auto link = termlink::MakeSystemSerialLink();
    ASSERT_TRUE(link->Open("COM1"));
    ASSERT_TRUE(Send(*link, "CIPHER\r"));
    EXPECT_EQ(ReadReply(*link, 300), "");
    link->Close();

    vterm->Signal(SIGTERM);
    EXPECT_EQ(vterm->WaitForExit(3000), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder.File("ports/COM1"))));
}

TEST_F(VtermProcessTest, WireSpeedUploadTakesTheWireTime) {
    // Records on lines of every ending.
    std::string records;
    const char* const ends[] = {"\n", "\r\n", "\r"};
    for (int i = 0; i < 100; ++i) records += "REC" + std::to_string(1000 + i) + ends[i % 3];
    folder.Write("records.txt", records);
    const auto vterm = Start({"--wire-speed", "--once", "--records", folder.File("records.txt")});
    ASSERT_TRUE(vterm);
    auto link = termlink::MakeSystemSerialLink();
    ASSERT_TRUE(link->Open(vterm->Device()));
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
    EXPECT_EQ(vterm->WaitForExit(3000), 0);
}

}  // namespace
}  // namespace vterm
