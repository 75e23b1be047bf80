// Whatever a user names on uzx's command line (a folder, a missing or
// unreadable file, an empty or a huge one, a device that never ends, a name
// with odd characters), uzx says what is wrong and exits with a status of
// its own, never by a signal.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "testing/run_program.h"
#include "testing/temp_folder.h"

namespace uzx {
namespace {

using test_support::ProgramRun;

class BadInputTest : public ::testing::Test {
protected:
    BadInputTest() {
        std::filesystem::create_directory(folder.File("folder.UZX"));
        folder.Write("empty.UZX", "");
        folder.Write("unreadable.UZX", "not a task either");
        chmod(folder.File("unreadable.UZX").c_str(), 0);
        folder.Write("huge.UZX", "");
        std::filesystem::resize_file(folder.File("huge.UZX"), 3ull << 30);
        std::filesystem::create_directory(folder.File("folder.ATF"));
        for (const char* name : {"huge.ATF", "huge.txt"}) {
            folder.Write(name, "");
            std::filesystem::resize_file(folder.File(name), 3ull << 30);
        }
        folder.Write("odd\nname \xFF*.UZX", "8300RU");
        folder.Write("-dash.UZX", "");
        folder.Write("script.txt", "ok\n");
        Run({"new", folder.File("good.UZX")});
    }

    ProgramRun Run(const std::vector<std::string>& args) {
        return test_support::RunProgram(UZX_PROGRAM, args, {{{"MOSTREL_PORT_MAP", folder.File("ports")}}});
    }

    // The bad inputs a user can give for a file uzx reads.
    std::vector<std::string> BadFiles(const std::string& extension) const {
        return {folder.File("folder." + extension),
                folder.File("missing." + extension),
                folder.File("empty.UZX"),
                folder.File("unreadable.UZX"),
                folder.File("huge." + extension),
                "/dev/zero",
                folder.File("odd\nname \xFF*.UZX"),
                "-dash.UZX",
                folder.File(std::string(300, 'n') + ".UZX")};
    }

    void ExpectToldAndRefused(const std::vector<std::string>& args) {
        const ProgramRun run = Run(args);
        std::string line = "uzx";
        for (const std::string& arg : args) line += " " + arg;
        EXPECT_TRUE(run.exited && run.status != 0) << line << ": " << test_support::Describe(run);
        EXPECT_FALSE(run.err.empty()) << line << ": no message";
    }

    test_support::TempFolder folder;
};

TEST_F(BadInputTest, FilesThatAreReadAreRefusedWithAMessage) {
    const std::string good = folder.File("good.UZX"), out = folder.File("out.UZX");
    for (const std::string& bad : BadFiles("UZX")) {
        SCOPED_TRACE(bad);
        ExpectToldAndRefused({"show", bad});
        ExpectToldAndRefused({"show", "--json", bad});
        ExpectToldAndRefused({"upgrade", bad, out});
        ExpectToldAndRefused({"simulate", bad, "--keys", "1"});
        ExpectToldAndRefused({"image", bad, out});
        ExpectToldAndRefused({"edit", bad, out, "--script", folder.File("script.txt")});
        // An empty script is a script: it does nothing.
        if (bad != folder.File("empty.UZX")) ExpectToldAndRefused({"edit", good, out, "--script", bad});
        ExpectToldAndRefused({"convert", bad, out, "--model", "84xx"});
        ExpectToldAndRefused({"download", bad, "--port", "COM99"});
        ExpectToldAndRefused({"send-lookup", bad, "--port", "/dev/null"});
    }
    for (const std::string& bad : BadFiles("ATF")) {
        SCOPED_TRACE(bad);
        ExpectToldAndRefused({"convert", bad, folder.File("out.ATF"), "--model", "84xx"});
    }
    ExpectToldAndRefused({"send-lookup", folder.File("huge.txt"), "--port", "/dev/null"});
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(BadInputTest, FilesThatAreWrittenAreRefusedWithAMessage) {
    const std::string good = folder.File("good.UZX");
    for (const std::string& bad : {folder.File("folder.UZX"), folder.File("no such folder/out.UZX"),
                                   folder.File(std::string(300, 'n') + ".UZX"), std::string("/dev/zero/out.UZX")}) {
        SCOPED_TRACE(bad);
        ExpectToldAndRefused({"new", bad});
        ExpectToldAndRefused({"upgrade", good, bad});
        ExpectToldAndRefused({"image", good, bad});
        ExpectToldAndRefused({"edit", good, bad, "--script", folder.File("script.txt")});
        ExpectToldAndRefused({"convert", good, bad, "--model", "80xx"});
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("folder.UZX")));
    // A name with odd characters is a name like any other.
    const std::string odd = folder.File("odd\nname \xFF*.UZX");
    EXPECT_EQ(Run({"new", odd}).status, 0);
    EXPECT_EQ(Run({"show", odd}).status, 0);
}

TEST_F(BadInputTest, LoadsOfBadTaskFilesAreRefusedWithAMessage) {
    const std::string out = folder.File("image.bin");
    for (const char* extension : {"UZX", "ATF"}) {
        for (const std::string& bad : BadFiles(extension)) {
            SCOPED_TRACE(bad);
            ExpectToldAndRefused({"load", bad + ",9600,3,0"});
            ExpectToldAndRefused({"load", bad + ", 9600,3,0"});  // read before the rest is judged
            ExpectToldAndRefused({"load", bad, "--ports", "COM3,COM4"});
            ExpectToldAndRefused({"loader-image", bad, out, "--firmware", "8300RU004"});
        }
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(BadInputTest, LoadsThatCannotRunAreRefusedWithAMessage) {
    const std::string good = folder.File("good.UZX");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"load"}, {"load", good}, {"load", good + ",9600,0,0"}, {"load", good + ",9601,3,0"},
             {"load", good + ",9600,99999999999,0"}, {"load", good + ",9600,3,256"},
             {"load", good + ",9600,3,0"},  // COM3 is no port here
             {"load", good, "--ports", "COM0"}, {"load", good, "--ports", "COM99999999"},
             {"load", good, "--ports", "COM3,,COM4"}, {"load", good, "--ports"}, {"load", "--ports", "COM3"},
             {"load", good, "--ports", "COM3", "--speed", "9601"}, {"load", good, "--ports", "COM3", "--link", "2"},
             {"loader-image", good, folder.File("image.bin"), "--firmware", "80xxRU102"},
             {"loader-image", good, folder.File("image.bin"), "--firmware", ""},
             {"loader-image", good, "/dev/zero/image.bin", "--firmware", "8300RU004"},
             {"loader-image", good, folder.File("folder.UZX"), "--firmware", "8300RU004"}}) {
        ExpectToldAndRefused(args);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("folder.UZX")));
}

TEST_F(BadInputTest, CommandLinesThatMeanNothingGetTheUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"nonsense"}, {"show"}, {"show", "a", "b"}, {"simulate", folder.File("good.UZX")},
             {"simulate", folder.File("good.UZX"), "--keys", "99"}, {"simulate", folder.File("good.UZX"), "--keys", "t-1"},
             {"convert", "a.UZX", "b.UZX", "--model", "99xx"}, {"download", folder.File("good.UZX")},
             {"download", folder.File("good.UZX"), "--port", "COM1", "--speed", "9"}, {"edit", "a", "b"}}) {
        ExpectToldAndRefused(args);
    }
}

}  // namespace
}  // namespace uzx
