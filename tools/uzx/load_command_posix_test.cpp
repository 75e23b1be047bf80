// uzx load, loader-image and find-cradle run as the program itself against
// virtual terminals over real pseudo-terminals: exit status, what is said on
// stderr and stdout, and the bytes that reached each terminal.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "loader/test_support.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"
#include "tools/uzx/run_uzx.h"

namespace {

using loader::testing::Bytes;
using loader::testing::PatternAt;
using loader::testing::PatternFile;

using Outcome = uzx::testing::RunResult;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint8_t At(const std::string& bytes, std::size_t offset) { return static_cast<std::uint8_t>(bytes.at(offset)); }

class LoadCommandTest : public ::testing::Test {
protected:
    LoadCommandTest() {
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        std::filesystem::create_directories(folder.File("no-tty"));
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("no-tty").c_str(), 1);
    }
    ~LoadCommandTest() override {
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }

    Outcome Uzx(const std::vector<std::string>& args) { return uzx::testing::RunUzx(args, folder.File("stderr")); }

    // A terminal on COM<number> that keeps what it receives in image<number>.
    std::unique_ptr<test_support::VtermProcess> Terminal(int number, std::vector<std::string> flags) {
        const std::string name = std::to_string(number);
        flags.insert(flags.end(), {"--com", "COM" + name, "--image-out", folder.File("image" + name)});
        std::string error;
        auto process = test_support::VtermProcess::Start(flags, error);
        if (!process) ADD_FAILURE() << error;
        return process;
    }

    std::string Image(int number) const { return FileBytes(folder.File("image" + std::to_string(number))); }

    std::string WriteTask(const std::string& name, const Bytes& bytes) {
        folder.Write(name, std::string(bytes.begin(), bytes.end()));
        return folder.File(name);
    }

    std::string BatchTask() { return WriteTask("shop.UZX", PatternFile("8300RU004", 18954)); }
    std::string LargeRadioTask() { return WriteTask("route.ATF", PatternFile("84xxRU103", 18043)); }

    test_support::TempFolder folder;
};

TEST_F(LoadCommandTest, EveryModeReachesItsTerminal) {
    const std::string batch = BatchTask();
    const std::string radio = LargeRadioTask();
    struct Case {
        std::string task;
        std::string firmware;
        std::vector<std::string> flags;
        std::size_t size;
    };
    const Case cases[] = {
        {batch, "8300RU004", {}, 20000},
        {batch, "8600RU004", {}, 20000},
        {radio, "80xxRU102", {"--blocks", "182"}, 18200},
    };
    for (const Case& c : cases) {
        std::vector<std::string> flags = {"--firmware", c.firmware};
        flags.insert(flags.end(), c.flags.begin(), c.flags.end());
        auto vterm = Terminal(3, flags);
        ASSERT_TRUE(vterm);
        const Outcome load = Uzx({"load", c.task + ",115200,3,0"});
        EXPECT_EQ(load.status, 0) << c.firmware << ": " << load.err;
        EXPECT_EQ(load.err, "") << "an unattended load that succeeds says nothing";
        vterm.reset();
        const std::string received = Image(3);
        ASSERT_EQ(received.size(), c.size) << c.firmware;

        // uzx loader-image gives what the terminal received.
        const Outcome image = Uzx({"loader-image", c.task, folder.File("expected"), "--firmware", c.firmware});
        EXPECT_EQ(image.status, 0) << image.err;
        EXPECT_EQ(FileBytes(folder.File("expected")), received) << c.firmware;
    }
    // The three images at offsets worked out from the layouts.
    auto vterm = Terminal(4, {"--firmware", "8300RU004"});
    ASSERT_EQ(Uzx({"load", batch + ",9600,4,0"}).status, 0);
    vterm.reset();
    const std::string mixed = Image(4);
    EXPECT_EQ(At(mixed, 0), PatternAt(12));
    EXPECT_EQ(At(mixed, 16039 + 15), 0) << "the first text entry ends at its 16th byte";
    EXPECT_EQ(At(mixed, 18562 + 1), 11) << "program start, renumbered";
    EXPECT_EQ(At(mixed, 18830), PatternAt(18842)) << "weight code";

    vterm = Terminal(4, {"--firmware", "80xxRU102", "--blocks", "182"});
    ASSERT_EQ(Uzx({"load", radio + ",9600,4,0"}).status, 0);
    vterm.reset();
    const std::string large = Image(4);
    EXPECT_EQ(At(large, 0), 102);
    EXPECT_EQ(At(large, 1), 26);
    EXPECT_EQ(At(large, 2), PatternAt(13)) << "the 24-byte header follows the one-byte one";
}

TEST_F(LoadCommandTest, ThroughTheCradleAndFindingIt) {
    auto vterm = Terminal(5, {"--firmware", "8400RU004", "--cradle-rate", "38400"});
    ASSERT_TRUE(vterm);
    const Outcome found = Uzx({"find-cradle"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "COM5\n");

    const Outcome load = Uzx({"load", BatchTask() + ",57600,5,1"});
    EXPECT_EQ(load.status, 0) << load.err;
    vterm.reset();
    EXPECT_EQ(Image(5).size(), 20000u);

    auto bare = Terminal(6, {"--no-cradle"});
    const Outcome none = Uzx({"find-cradle"});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.err, "Tarvel: Подставка не найдена!\n");
    const Outcome noCradle = Uzx({"load", BatchTask() + ",57600,6,1"});
    EXPECT_EQ(noCradle.status, 3);
    EXPECT_EQ(noCradle.err, "Ошибка: Ошибка конфигурации IR устройства!\n");
}

TEST_F(LoadCommandTest, FailedTransfersEndWithStatusThree) {
    const std::string task = BatchTask();
    const std::string retry = "Ошибка: Ошибка загрузки, хотите попробывать снова? -> No\n";
    struct Case {
        std::vector<std::string> flags;
        std::string said;
    };
    const Case cases[] = {
        {{"--full-at", "5"}, "Ошибка: Переполнение памяти\n" + retry},
        {{"--nak", "7"}, "Ошибка: Ошибка загрузки!\n" + retry},
        {{"--silent"}, retry},
        {{"--firmware", "80xxRU102"}, "Не известный формат: Версия прошивки не совпадает с версией Quarrow\n" + retry},
        {{"--firmware", "ACK"}, "Не известный формат: Версия прошивки не совпадает с версией Quarrow\n" + retry},
        {{"--cut-after", "20"}, "Ошибка: Ошибка загрузки!\n" + retry},
    };
    for (const Case& c : cases) {
        auto vterm = Terminal(7, c.flags);
        ASSERT_TRUE(vterm);
        const Outcome load = Uzx({"load", task + ",115200,7,0"});
        EXPECT_EQ(load.status, 3) << c.flags[0];
        EXPECT_EQ(load.err, c.said) << c.flags[0];
    }
    // A frame that lost bytes is sent again, and the load goes through.
    auto vterm = Terminal(7, {"--drop", "3"});
    EXPECT_EQ(Uzx({"load", task + ",115200,7,0"}).status, 0);
    vterm.reset();
    EXPECT_EQ(Image(7).size(), 20000u);

    const Outcome noPort = Uzx({"load", task + ",115200,9,0"});
    EXPECT_EQ(noPort.status, 3);
    EXPECT_EQ(noPort.err, "Ошибка: Невозможно открыть СОМ порт!\n");
}

TEST_F(LoadCommandTest, CommandLineErrorsAndRefusedTasks) {
    // The message's Windows line breaks reach the console as plain ones.
    const std::string formatError =
        "Ошибка: Формат командной строки не верен:\n имя файла,скорость порта,номер СОМ порта, (RS-232 - 0 , "
        "Cradle IR - 1)  \nПродолжить работу?. -> No\n";
    // The file is read before the rest is judged, so it must be there.
    const std::string shop = WriteTask("shop.UZX", PatternFile("8300RU004", 18954));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"load", shop},
             {"load", shop + ",", "9600,3,1"},  // joined by a space: " 9600"
             {"load", shop + ",9600,0,1"},
             {"load", shop + ",9600,-2,1"},
             {"load", shop + ",9600,3,2"},
             {"load", shop + ",9600,3,257"},
         }) {
        const Outcome run = Uzx(args);
        EXPECT_EQ(run.status, 1) << args[1];
        EXPECT_EQ(run.err, formatError) << args[1];
    }
    const Outcome help = Uzx({"load", "shop.UZX,9600,3,1", "/?"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");

    const std::string missing = folder.File("missing.uzx");
    const Outcome refused = Uzx({"load", missing + ",9600,3,1"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "Tarvel: Файл (" + missing + ") не существует.\n");

    // A file name with spaces survives the joining of the arguments.
    WriteTask("my shop.UZX", PatternFile("8300RU004", 18954));
    auto vterm = Terminal(8, {});
    const Outcome spaced = Uzx({"load", folder.File("my"), "shop.UZX,9600,8,0"});
    EXPECT_EQ(spaced.status, 0) << spaced.err;
}

TEST_F(LoadCommandTest, EightTerminalsAtOnceEachOnItsOwn) {
    const std::string task = BatchTask();
    std::vector<std::unique_ptr<test_support::VtermProcess>> terminals;
    std::string ports;
    for (int n = 11; n <= 18; ++n) {
        std::vector<std::string> flags = {"--firmware", n % 2 ? "8300RU004" : "8600RU004"};
        if (n == 13) flags = {"--full-at", "40"};
        if (n == 16) flags = {"--silent"};
        terminals.push_back(Terminal(n, flags));
        ASSERT_TRUE(terminals.back());
        ports += (ports.empty() ? "COM" : ",COM") + std::to_string(n);
    }
    const Outcome load = Uzx({"load", task, "--ports", ports, "--speed", "115200"});
    EXPECT_EQ(load.status, 3) << "two of them failed";
    terminals.clear();

    // One line per terminal as it finishes: port, result, identifier, seconds.
    std::istringstream lines(load.out);
    std::map<std::string, std::pair<std::string, std::string>> results;
    std::string port, result, id, seconds;
    while (lines >> port >> result >> id >> seconds) {
        results[port] = {result, id};
        EXPECT_GT(std::stod(seconds), 0.0) << port;
    }
    ASSERT_EQ(results.size(), 8u) << load.out;
    for (int n = 11; n <= 18; ++n) {
        const std::string name = "COM" + std::to_string(n);
        if (n == 13) {
            EXPECT_EQ(results[name], std::make_pair(std::string("failed"), std::string("8300RU004")));
            EXPECT_EQ(Image(n), "") << "nothing completed";
        } else if (n == 16) {
            EXPECT_EQ(results[name], std::make_pair(std::string("failed"), std::string("-")));
        } else {
            EXPECT_EQ(results[name].first, "loaded") << name;
            EXPECT_EQ(results[name].second, n % 2 ? "8300RU004" : "8600RU004");
            EXPECT_EQ(Image(n).size(), 20000u) << name;
        }
    }
    // Their messages name their ports.
    EXPECT_NE(load.err.find("COM13: Ошибка: Переполнение памяти\n"), std::string::npos) << load.err;
    EXPECT_NE(load.err.find("COM16: Ошибка: Ошибка загрузки, хотите попробывать снова? -> No\n"), std::string::npos);
}

}  // namespace
