// uzx.exe under Wine against the virtual terminal: Wine opens COM7 through
// its dosdevices folder, where com7 links to the terminal's pseudo-terminal,
// so the Win32 serial link runs on a real line. What the terminal stored
// must be what was sent, by the designer's transfers and by the loader's
// download alike, and the faults end them as on Linux.
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
#include <map>
#include <sstream>
#include <thread>

#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "designer/transfer/terminal_image.h"
#include "loader/test_support.h"
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
        // A session still running from an earlier run is used as it is. On a
        // busy machine the first start can fail while the last one winds down.
        const std::string start = "'" + wineserver + "' -p30" + quiet + "; '" + wine + "' wineboot" + quiet;
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (std::system(start.c_str()) == 0) return true;
        }
        return false;
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
        second.reset();
        std::error_code ignored;
        fs::remove(ComLink(7), ignored);
        fs::remove(ComLink(8), ignored);
    }

    std::string ComLink(int number) const { return setup.prefix + "/dosdevices/com" + std::to_string(number); }

    // A terminal on a line Wine opens as COM<number>.
    std::unique_ptr<test_support::VtermProcess> Terminal(int number, std::vector<std::string> flags) {
        flags.insert(flags.end(), {"--com", "COM" + std::to_string(number)});
        std::string error;
        auto process = test_support::VtermProcess::Start(flags, error);
        if (!process) {
            ADD_FAILURE() << error;
            return nullptr;
        }
        std::error_code ignored;
        fs::remove(ComLink(number), ignored);
        fs::create_symlink(process->Device(), ComLink(number));
        return process;
    }
    // Starts the terminal on COM7.
    bool StartTerminal(std::vector<std::string> flags) {
        vterm = Terminal(7, std::move(flags));
        return vterm != nullptr;
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
    std::unique_ptr<test_support::VtermProcess> second;  // on COM8
};

TEST_F(UzxUnderWine, TaskArrivesByteForByteDirectlyAndThroughTheCradle) {
    ASSERT_TRUE(StartTerminal({"--image-out", folder.File("direct.bin")}));
    auto run = setup.Uzx({"download", Task(), "--port", "COM7"});
    EXPECT_EQ(run.status, 0) << run.err;
    // What a transfer run by hand waits for goes to standard error as it happens.
    EXPECT_EQ(run.err,
              "Opening COM7...\n"
              "Waiting for the terminal on COM7 (attempt 1 of 3)...\n"
              "Downloading...\n"
              "Download: Downloaded completely!\n");
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
              "Opening COM7...\n"
              "Waiting for the terminal on COM7 (attempt 1 of 3)...\n"
              "Downloading...\n"
              "Error: Memory full for Terminal!\nPort: COM7\n"
              "Error: Failed to download, would you like to retry? -> No\n");
    StopTerminal();

    ASSERT_TRUE(StartTerminal({"--silent"}));
    run = setup.Uzx({"download", Task(), "--port", "COM7"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Opening COM7...\n"
              "Waiting for the terminal on COM7 (attempt 1 of 3)...\n"
              "Waiting for the terminal on COM7 (attempt 2 of 3)...\n"
              "Waiting for the terminal on COM7 (attempt 3 of 3)...\n"
              "Error: Terminal is not ready!\nPort: COM7\n"
              "Error: Failed to download, would you like to retry? -> No\n");
    StopTerminal();

    run = setup.Uzx({"download", Task(), "--port", "COM8"});  // nothing linked
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Opening COM8...\nError: Cannot open the COM port!\nPort: COM8\n");
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

// The loader's download, as Tarvel's own command line starts it.
class LoadUnderWine : public UzxUnderWine {
protected:
    // A task of the 8300 with pattern bytes, so a misplaced block shows.
    std::string LoaderTask() {
        const auto bytes = loader::testing::PatternFile("8300RU004", 18954);
        folder.Write("shop.UZX", std::string(bytes.begin(), bytes.end()));
        return WindowsPath(folder.File("shop.UZX"));
    }
    static unsigned At(const std::string& bytes, std::size_t offset) {
        return static_cast<unsigned char>(bytes.at(offset));
    }
};

TEST_F(LoadUnderWine, TaskReachesTheTerminalDirectlyAndThroughTheCradle) {
    using loader::testing::PatternAt;
    const std::string task = LoaderTask();
    ASSERT_TRUE(StartTerminal({"--firmware", "8300RU004", "--image-out", folder.File("direct.bin")}));
    auto run = setup.Uzx({"load", task + ",115200,7,0"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "an unattended load that succeeds says nothing";
    StopTerminal();
    const std::string received = Contents(folder.File("direct.bin"));
    ASSERT_EQ(received.size(), 20000u);
    EXPECT_EQ(At(received, 0), PatternAt(12));
    EXPECT_EQ(At(received, 16039 + 15), 0u) << "the first text entry ends at its 16th byte";
    EXPECT_EQ(At(received, 18562 + 1), 11u) << "program start, renumbered";
    EXPECT_EQ(At(received, 18830), PatternAt(18842)) << "weight code";
    run = setup.Uzx({"loader-image", task, WindowsPath(folder.File("expected.bin")), "--firmware", "8300RU004"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Contents(folder.File("expected.bin")), received);

    // The cradle answers at its own rate and is moved to the load's.
    ASSERT_TRUE(StartTerminal({"--firmware", "8400RU004", "--cradle-rate", "38400", "--image-out",
                               folder.File("cradle.bin")}));
    run = setup.Uzx({"load", task + ",57600,7,1"});
    EXPECT_EQ(run.status, 0) << run.err;
    StopTerminal();
    EXPECT_EQ(Contents(folder.File("cradle.bin")).size(), 20000u);
}

TEST_F(LoadUnderWine, FailedLoadsEndWithStatusThree) {
    const std::string task = LoaderTask();
    const std::string retry = "Ошибка: Ошибка загрузки, хотите попробывать снова? -> No\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--full-at", "5"}, "Ошибка: Переполнение памяти\n" + retry},
        {{"--nak", "7"}, "Ошибка: Ошибка загрузки!\n" + retry},
        {{"--silent"}, retry},
        {{"--cut-after", "20"}, "Ошибка: Ошибка загрузки!\n" + retry},
    };
    for (const auto& [flags, said] : cases) {
        ASSERT_TRUE(StartTerminal(flags));
        const auto run = setup.Uzx({"load", task + ",115200,7,0"});
        EXPECT_EQ(run.status, 3) << flags[0];
        EXPECT_EQ(run.err, said) << flags[0];
        StopTerminal();
    }
    const auto run = setup.Uzx({"load", task + ",115200,8,0"});  // nothing linked
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "Ошибка: Невозможно открыть СОМ порт!\n");
}

// Each terminal on its own thread and its own Win32 port.
TEST_F(LoadUnderWine, TwoTerminalsAtOnceEachOnItsOwn) {
    vterm = Terminal(7, {"--firmware", "8600RU004", "--image-out", folder.File("com7.bin")});
    second = Terminal(8, {"--full-at", "40", "--image-out", folder.File("com8.bin")});
    ASSERT_TRUE(vterm && second);
    const auto run = setup.Uzx({"load", LoaderTask(), "--ports", "COM7,COM8", "--speed", "115200"});
    EXPECT_EQ(run.status, 3) << "one of them failed";
    vterm.reset();
    second.reset();

    std::istringstream lines(run.out);
    std::map<std::string, std::string> results;
    for (std::string port, result, id, seconds; lines >> port >> result >> id >> seconds;) results[port] = result + " " + id;
    EXPECT_EQ(results, (std::map<std::string, std::string>{{"COM7", "loaded 8600RU004"}, {"COM8", "failed 8300RU004"}}))
        << run.out;
    EXPECT_EQ(Contents(folder.File("com7.bin")).size(), 20000u);
    EXPECT_EQ(Contents(folder.File("com8.bin")), "") << "nothing completed";
    EXPECT_NE(run.err.find("COM8: Ошибка: Переполнение памяти\n"), std::string::npos) << run.err;
}

// The Win32 link's own tests, in the Windows build's link test program, on
// a line Wine opens as COM9.
TEST_F(UzxUnderWine, Win32LinkTestsPassOnARealLine) {
    EchoLine line;
    ASSERT_FALSE(line.Device().empty());
    const std::string com9 = ComLink(9);
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
// with its kind, in the order reg.exe shows them, and the cradle search
// tries them.
TEST_F(UzxUnderWine, PortListIsWhatWineRegistered) {
    ASSERT_TRUE(StartTerminal({"--cradle-rate", "38400"}));
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

    const auto found = setup.Uzx({"find-cradle"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "COM7\n");
}

}  // namespace
