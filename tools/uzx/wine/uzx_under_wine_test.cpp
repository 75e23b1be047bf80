// uzx.exe under Wine against the virtual terminal: Wine opens COM7 through
// its dosdevices folder, where com7 links to the terminal's pseudo-terminal,
// so the Win32 serial link runs on a real line. What the terminal stored
// must be what was sent, and the faults end the transfers as on Linux.
// CTest runs this (a Linux program) from the Windows build, naming the
// programs and the Wine prefix it owns in the environment.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "designer/transfer/terminal_image.h"
#include "testing/run_program.h"
#include "testing/scoped_variable.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace {

namespace fs = std::filesystem;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void AsText(std::string& text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
}

// The Wine programs and the prefix named by CTest.
struct WineSetup {
    std::string wine = Variable("MOSTREL_WINE");
    std::string wineserver = Variable("MOSTREL_WINESERVER");
    std::string prefix = Variable("WINEPREFIX");
    std::string uzx = Variable("MOSTREL_UZX_EXE");
    std::string linkTests = Variable("MOSTREL_LINK_TESTS_EXE");

    bool Complete() const {
        return !wine.empty() && !wineserver.empty() && !prefix.empty() && !uzx.empty() && !linkTests.empty();
    }

    // The session's background services inherit the output of the program
    // that starts them, so they are started here, with none: a program run
    // later then ends when it ends.
    bool StartSession() const {
        std::error_code ignored;
        fs::create_directories(prefix, ignored);  // the server's home; the first run fills it
        const std::string quiet = " </dev/null >/dev/null 2>&1";
        // A session still running from an earlier run is used as it is.
        return std::system(("'" + wineserver + "' -p30" + quiet + "; '" + wine + "' wineboot" + quiet).c_str()) == 0;
    }
    void EndSession() const { std::system(("'" + wineserver + "' -k; '" + wineserver + "' -w").c_str()); }

    // Windows programs end their text lines with CR LF; read as text, as on Windows.
    test_support::ProgramRun Run(std::vector<std::string> args) const {
        test_support::ProgramRun run = test_support::RunProgram(wine, args);
        AsText(run.out);
        AsText(run.err);
        return run;
    }
    test_support::ProgramRun Uzx(std::vector<std::string> args) const {
        args.insert(args.begin(), uzx);
        return Run(args);
    }
};

// A Linux path as a Windows program names it: on the z: drive, Wine's view of /.
std::string WindowsPath(const std::string& path) {
    std::string windows = "Z:" + path;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

// A pseudo-terminal whose far end sends back every byte it gets, for the
// Win32 link's own tests.
class EchoLine {
public:
    EchoLine() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        device_ = ptsname(master_);
        // Held open, so the master never reads the end of a line nobody has opened yet.
        slave_ = ::open(device_.c_str(), O_RDWR | O_NOCTTY);
        echo_ = std::thread([this] { Echo(); });
    }
    ~EchoLine() {
        stop_ = true;
        if (echo_.joinable()) echo_.join();
        if (slave_ >= 0) ::close(slave_);
        if (master_ >= 0) ::close(master_);
    }
    EchoLine(const EchoLine&) = delete;
    EchoLine& operator=(const EchoLine&) = delete;

    const std::string& Device() const { return device_; }

private:
    void Echo() {
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0 && ::write(master_, buffer, static_cast<std::size_t>(n)) != n) return;
        }
    }

    int master_ = -1;
    int slave_ = -1;
    std::string device_;
    std::atomic<bool> stop_{false};
    std::thread echo_;
};

class UzxUnderWine : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (setup.Complete()) sessionUp = setup.StartSession();
    }

    void SetUp() override {
        ASSERT_TRUE(setup.Complete()) << "run by CTest from the Windows build, which names uzx.exe and Wine";
        ASSERT_TRUE(sessionUp) << "Wine did not start in " << setup.prefix;
        model = task::testing::FreshTask();
        // Bytes the image pads, clamps and renumbers, so a misplaced one shows.
        auto& form = model.forms[0];
        form[task::form::kFieldType] = task::form::kText;
        form[task::form::kMaxLength] = 90;
        std::memcpy(&form[task::form::kPrompt], "Item", 4);
        model.terminal[0] = 7;
        ASSERT_TRUE(task::WriteTaskFile(folder.File("TASK.UZX"), model).ok);
    }

    void TearDown() override {
        vterm.reset();
        std::error_code ignored;
        fs::remove(ComLink(), ignored);
    }

    std::string ComLink() const { return setup.prefix + "/dosdevices/com7"; }

    // Starts the terminal and links Wine's COM7 to its line.
    bool StartTerminal(std::vector<std::string> flags) {
        flags.insert(flags.end(), {"--com", "COM7"});
        std::string error;
        vterm = test_support::VtermProcess::Start(flags, error);
        if (!vterm) {
            ADD_FAILURE() << error;
            return false;
        }
        std::error_code ignored;
        fs::remove(ComLink(), ignored);
        fs::create_symlink(vterm->Device(), ComLink());
        return true;
    }
    // Stops the terminal; it finishes what it was storing first.
    void StopTerminal() { vterm.reset(); }

    std::string ExpectedImage() const {
        task::TaskModel copy = model;
        const transfer::TerminalImage image = transfer::BuildTerminalImage(copy);
        return std::string(image.begin(), image.end());
    }

    std::vector<std::string> Records(int count) const {
        std::vector<std::string> records;
        for (int i = 0; i < count; ++i) records.push_back("ITEM" + std::to_string(i) + ";" + std::to_string(i * 7));
        return records;
    }
    std::string WriteRecords(const std::vector<std::string>& records) const {
        folder.Write("records.txt", AsReceived(records));
        return folder.File("records.txt");
    }
    static std::string AsReceived(const std::vector<std::string>& records) {
        std::string text;
        for (const auto& r : records) text += r + "\r\n";
        return text;
    }

    std::string Task() const { return WindowsPath(folder.File("TASK.UZX")); }

    static inline WineSetup setup;
    static inline bool sessionUp = false;
    test_support::TempFolder folder;
    test_support::ScopedVariable portMap{"MOSTREL_PORT_MAP", folder.File("ports")};
    task::TaskModel model;
    std::unique_ptr<test_support::VtermProcess> vterm;
};

TEST_F(UzxUnderWine, TaskArrivesByteForByteDirectlyAndThroughTheCradle) {
    ASSERT_TRUE(StartTerminal({"--image-out", folder.File("direct.bin")}));
    auto run = setup.Uzx({"download", Task(), "--port", "COM7"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Download: Downloaded completely!\n");
    StopTerminal();
    const std::string arrived = Contents(folder.File("direct.bin"));
    EXPECT_EQ(arrived, ExpectedImage());
    ASSERT_EQ(arrived.size(), 20000u);
    EXPECT_EQ(arrived.substr(3523 + 37, 5), std::string("Item\0", 5));
    EXPECT_EQ(arrived[3523 + 221], 80) << "the text line's length clamped to 80";

    // The cradle is found at its rate and moved to 57600 bit/s first.
    ASSERT_TRUE(StartTerminal({"--cradle-rate", "38400", "--image-out", folder.File("cradle.bin")}));
    run = setup.Uzx({"download", Task(), "--port", "\\\\.\\COM7", "--speed", "1", "--link", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("cradle.bin")), ExpectedImage());
}

TEST_F(UzxUnderWine, RefusedBlocksAreSentAgain) {
    ASSERT_TRUE(StartTerminal({"--nak", "6", "--image-out", folder.File("image.bin")}));
    const auto run = setup.Uzx({"download", Task(), "--port", "COM7"});
    EXPECT_EQ(run.status, 0) << run.err;
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("image.bin")), ExpectedImage());
}

TEST_F(UzxUnderWine, FullSilentOrMissingTerminalFailsTheDownload) {
    ASSERT_TRUE(StartTerminal({"--full-at", "5"}));
    auto run = setup.Uzx({"download", Task(), "--port", "COM7"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Error: Memory full for Terminal!\n"
              "Error: Failed to download, would you like to retry? -> No\n");
    StopTerminal();

    ASSERT_TRUE(StartTerminal({"--silent"}));
    run = setup.Uzx({"download", Task(), "--port", "COM7"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Error: Terminal is not ready!\n"
              "Error: Failed to download, would you like to retry? -> No\n");
    StopTerminal();

    run = setup.Uzx({"download", Task(), "--port", "COM8"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error: Cannot open the COM port!\n");
}

TEST_F(UzxUnderWine, LookupFileArrivesLineByLine) {
    ASSERT_TRUE(StartTerminal({"--lookup", "--lookup-out", folder.File("lookup.txt")}));
    folder.Write("items.txt", "4711;Apples\r\n4712;Pears\r\n\r\n4713;Plums");
    const auto run = setup.Uzx({"send-lookup", WindowsPath(folder.File("items.txt")), "--port", "COM7"});
    EXPECT_EQ(run.status, 0) << run.err;
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("lookup.txt")), "4711;Apples\r\n4712;Pears\r\n\r\n4713;Plums\r\n");
}

TEST_F(UzxUnderWine, RecordsArriveOnceEachDespiteCorruptFrames) {
    const auto records = Records(25);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records), "--bad-checksum", "3", "--drop", "7"}));
    const auto run = setup.Uzx({"receive", WindowsPath(folder.File("DATA.TXT")), "--port", "COM7"});
    EXPECT_EQ(run.status, 0) << run.err;
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("DATA.TXT")), AsReceived(records));
}

TEST_F(UzxUnderWine, CutLineKeepsTheRecordsStoredBeforeIt) {
    const auto records = Records(20);
    ASSERT_TRUE(StartTerminal({"--records", WriteRecords(records), "--cut-after", "8"}));
    folder.Write("DATA.TXT", "older data\r\n");
    const auto run = setup.Uzx({"receive", WindowsPath(folder.File("DATA.TXT")), "--port", "COM7"});
    EXPECT_EQ(run.status, 1);
    // Record 8 goes out once record 7 is acknowledged, and then the line is
    // cut, which may drop record 8 unread: 7 or 8 whole records are kept.
    const std::string kept = Contents(folder.File("DATA.TXT"));
    const auto stored = std::count(kept.begin(), kept.end(), '\n');
    ASSERT_GE(stored, 7);
    ASSERT_LE(stored, 8);
    EXPECT_EQ(kept, AsReceived(std::vector<std::string>(records.begin(), records.begin() + stored)));
    EXPECT_NE(run.err.find("Upload Data: The upload failed. " + std::to_string(stored) +
                           " records received before the failure were saved.\n"),
              std::string::npos)
        << run.err;
}

// The Win32 link's own tests, in the Windows build's link test program, on
// a line Wine opens as COM9.
TEST_F(UzxUnderWine, Win32LinkTestsPassOnARealLine) {
    EchoLine line;
    ASSERT_FALSE(line.Device().empty());
    const std::string com9 = setup.prefix + "/dosdevices/com9";
    std::error_code ignored;
    fs::remove(com9, ignored);
    fs::create_symlink(line.Device(), com9);
    test_support::ScopedVariable port("MOSTREL_ECHO_PORT", "COM9");
    const auto run = setup.Run({setup.linkTests, "--gtest_filter=Win32SerialLink.*"});
    fs::remove(com9, ignored);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("[  PASSED  ] 3 tests."), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("SKIPPED"), std::string::npos) << run.out;
}

// Wine registers the ports of its HKLM\Software\Wine\Ports key in the
// system's serial-port key when it starts; uzx ports must list each of them
// with its kind, in the order reg.exe shows them.
TEST_F(UzxUnderWine, PortListIsWhatWineRegistered) {
    ASSERT_TRUE(StartTerminal({}));
    const std::string ports = "HKLM\\Software\\Wine\\Ports";
    ASSERT_EQ(setup.Run({"reg", "add", ports, "/v", "COM7", "/d", vterm->Device(), "/f"}).status, 0);
    setup.EndSession();
    ASSERT_TRUE(setup.StartSession());

    const auto query = setup.Run({"reg", "query", "HKLM\\Hardware\\DeviceMap\\SerialComm"});
    setup.Run({"reg", "delete", ports, "/v", "COM7", "/f"});
    ASSERT_EQ(query.status, 0) << query.err;
    // Lines such as "    \Device\Serial6    REG_SZ    COM7".
    std::string expected;
    std::istringstream lines(query.out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string device, type, name;
        if (!(words >> device >> type >> name) || type != "REG_SZ") continue;
        EXPECT_EQ(device.rfind("\\Device\\Serial", 0), 0u) << line;
        expected += name + " - Serial port\n";
    }
    EXPECT_NE(expected.find("COM7 - Serial port\n"), std::string::npos) << query.out;

    const auto run = setup.Uzx({"ports"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
}

}  // namespace
