// Tarvel started as a program with a command line, against the virtual
// terminal: the arguments joined by spaces, the unattended load, "/?", and
// the settings file left alone.
#include "loader/app/tarvel_program.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QProcess>
#include <gtest/gtest.h>

#include "loader/test_support.h"
#include "testing/temp_folder.h"
#include "testing/vterm_process.h"

namespace tarvel {
namespace {

using loader::testing::PatternFile;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "(none)";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CommandLineText, TheArgumentsAfterTheProgramJoinedBySingleSpaces) {
    EXPECT_EQ(CommandLineText({"Tarvel"}), "");
    EXPECT_EQ(CommandLineText({"Tarvel", "/t/my", "shop.UZX,9600,3,0"}), "/t/my shop.UZX,9600,3,0");
    EXPECT_EQ(CommandLineText({"Tarvel", "a.UZX,", "9600,3,0"}), "a.UZX, 9600,3,0");
}

class TarvelProgramTest : public ::testing::Test {
protected:
    TarvelProgramTest() {
        std::filesystem::create_directories(folder.File("ports"));
        std::filesystem::create_directories(folder.File("no-tty"));
        setenv("MOSTREL_PORT_MAP", folder.File("ports").c_str(), 1);
        setenv("MOSTREL_SYS_CLASS_TTY", folder.File("no-tty").c_str(), 1);
    }
    ~TarvelProgramTest() override {
        unsetenv("MOSTREL_PORT_MAP");
        unsetenv("MOSTREL_SYS_CLASS_TTY");
    }

    // Runs Tarvel with `arguments` and its settings in the test's folder;
    // its exit status, -1 when it did not end in time.
    int Run(const QStringList& arguments) {
        QProcess tarvel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TARVEL_SETTINGS_DIR", QString::fromStdString(folder.Path()));
        tarvel.setProcessEnvironment(environment);
        tarvel.start(QStringLiteral(TARVEL_BIN_DIR "/Tarvel"), arguments);
        if (!tarvel.waitForFinished(20000)) {
            tarvel.kill();
            tarvel.waitForFinished();
            return -1;
        }
        return tarvel.exitStatus() == QProcess::NormalExit ? tarvel.exitCode() : -1;
    }

    test_support::TempFolder folder;
};

TEST_F(TarvelProgramTest, ACommandLineLoadsTheTaskAndEndsWithoutSaving) {
    folder.Write("my shop.UZX", [] {
        const auto bytes = PatternFile("8300RU004", 18954);
        return std::string(bytes.begin(), bytes.end());
    }());
    std::string error;
    const auto vterm = test_support::VtermProcess::Start(
        {"--com", "COM4", "--firmware", "8300RU004", "--once", "--image-out", folder.File("image")}, error);
    ASSERT_TRUE(vterm) << error;
    // The shell splits the path at its space; the loader joins it again.
    const std::string path = folder.File("my shop.UZX");
    const std::size_t space = path.rfind(' ');
    EXPECT_EQ(Run({QString::fromStdString(path.substr(0, space)),
                   QString::fromStdString(path.substr(space + 1) + ",57600,4,0")}),
              0);
    EXPECT_EQ(vterm->WaitForExit(5000), 0);
    EXPECT_EQ(FileBytes(folder.File("image")).size(), 20000u);
    EXPECT_EQ(FileBytes(folder.File("TARVEL.ini")), "(none)");
}

TEST_F(TarvelProgramTest, AQuestionMarkEndsAtOnce) {
    EXPECT_EQ(Run({"whatever,1,2", "/?"}), 0);
    EXPECT_EQ(FileBytes(folder.File("TARVEL.ini")), "(none)");
}

}  // namespace
}  // namespace tarvel
