// uzx convert and uzx show on real files, run as the program itself: exit
// status, what it says on stderr and stdout, and the bytes it writes.
#include <filesystem>

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "tools/uzx/test_support.h"

namespace {

using task::testing::ReadBytes;
using test_support::TempFolder;
using task::testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

using Outcome = uzx::testing::RunResult;

class ConvertCommandTest : public ::testing::Test {
protected:
    static Outcome Uzx(const std::vector<std::string>& args) { return uzx::testing::RunUzx(args); }

    // A new designer task, as the designer saves it.
    std::string NewTask(const std::string& name) {
        const std::string path = folder.File(name);
        EXPECT_TRUE(task::WriteTaskFile(path, task::testing::FreshTask()).ok);
        return path;
    }

    static std::string Text(const Bytes& bytes, std::size_t offset, std::size_t size) {
        return std::string(bytes.begin() + static_cast<long>(offset), bytes.begin() + static_cast<long>(offset + size));
    }

    TempFolder folder;
};

TEST_F(ConvertCommandTest, ConvertsANewTaskForEveryModel) {
    const std::string source = NewTask("task.UZX");
    const std::pair<const char*, std::size_t> targets[] = {
        {"80xx", 18954}, {"83xx", 18954}, {"85xx", 19279}, {"84xx", 19279}};
    for (const auto& [model, size] : targets) {
        const std::string destination = folder.File(std::string(model) + ".UZX");
        const Outcome run = Uzx({"convert", source, destination, "--model", model});
        EXPECT_EQ(run.status, 0) << model;
        EXPECT_EQ(run.err, "Конвертация: Файл сконвертирован\n");
        EXPECT_EQ(run.out, "");
        const Bytes out = ReadBytes(destination);
        ASSERT_EQ(out.size(), size) << model;
        EXPECT_EQ(Text(out, 0, 10), std::string("8") + model[1] + "00RU004" + '\0');
    }
    const Bytes wide = ReadBytes(folder.File("85xx.UZX"));
    EXPECT_EQ(Text(wide, 16051 + 1029, 16), common::Utf8ToCp1251("Загрузка Задачи") + '\0');
    EXPECT_EQ(wide[18899 + 27], 0) << "download via the cradle, the first entry";
}

TEST_F(ConvertCommandTest, RadioTasksKeepEveryByteButTheirPrefix) {
    Bytes radio(4714, 0x5A);
    const std::string id("80xxRU102\0", 10);
    std::copy(id.begin(), id.end(), radio.begin());
    WriteBytes(folder.File("radio.ATF"), radio);
    const Outcome run = Uzx({"convert", folder.File("radio.ATF"), folder.File("out.ATF"), "--model", "83xx", "--report"});
    EXPECT_EQ(run.status, 0);
    Bytes expected = radio;
    expected[1] = '3';
    EXPECT_EQ(ReadBytes(folder.File("out.ATF")), expected);
    EXPECT_NE(run.out.find("identifier: 80xxRU102 -> 83xxRU102\n"), std::string::npos) << run.out;
}

TEST_F(ConvertCommandTest, FailuresLeaveTheDestinationUntouched) {
    const std::string destination = folder.File("dest.UZX");
    const Bytes old = {'o', 'l', 'd'};
    const auto expectUntouched = [&](const Outcome& run, int status, const std::string& err) {
        EXPECT_EQ(run.status, status);
        EXPECT_EQ(run.err, err);
        EXPECT_EQ(ReadBytes(destination), old);
    };
    WriteBytes(destination, old);

    Bytes oldVersion = ReadBytes(NewTask("old.UZX"));
    oldVersion[8] = '3';
    WriteBytes(folder.File("old.UZX"), oldVersion);
    expectUntouched(Uzx({"convert", folder.File("old.UZX"), destination, "--model", "84xx"}), 1,
                    "Tarvel: Данная версия файла задачи не потдерживается.\n");

    Bytes cut = ReadBytes(NewTask("cut.UZX"));
    cut.resize(18000);
    WriteBytes(folder.File("cut.UZX"), cut);
    expectUntouched(Uzx({"convert", folder.File("cut.UZX"), destination, "--model", "84xx"}), 1,
                    "Tarvel: Файл (" + folder.File("cut.UZX") +
                        ") повреждён или не является файлом задачи: он слишком короткий.\n");

    expectUntouched(Uzx({"convert", folder.File("none.UZX"), destination, "--model", "80xx"}), 1,
                    "Tarvel: Файл (" + folder.File("none.UZX") + ") не существует.\n");
    expectUntouched(Uzx({"convert", NewTask("task.Uzx"), destination, "--model", "80xx"}), 1,
                    "Конвертация: Неверный формат данных\n");
    expectUntouched(Uzx({"convert", folder.File("none.ATF"), destination, "--model", "80xx"}), 1,
                    "Конвертация: Неудаётся открыть или записать в файл.\n");

    const std::string usage = "usage: uzx convert SRC DST --model 80xx|83xx|85xx|84xx [--report]\n";
    expectUntouched(Uzx({"convert", NewTask("a.UZX"), destination}), 2, usage);
    expectUntouched(Uzx({"convert", folder.File("a.UZX"), destination, "--model", "8400"}), 2, usage);
    expectUntouched(Uzx({"convert", folder.File("a.UZX"), destination, "--model", "84xx", "--force"}), 2, usage);

    // A folder in the destination's place is not replaced.
    ASSERT_TRUE(std::filesystem::create_directory(folder.File("folder.UZX")));
    const Outcome run = Uzx({"convert", folder.File("a.UZX"), folder.File("folder.UZX"), "--model", "84xx"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Конвертация: Неудаётся открыть или записать в файл.\n");
}

TEST_F(ConvertCommandTest, TheReportShowsWhatChangedForTheTarget) {
    const Outcome run = Uzx({"convert", NewTask("task.UZX"), folder.File("out.A85"), "--model", "85xx", "--report"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "identifier: 8300RU004 -> 8500RU004\n"
              "text layout: mixed -> wide\n"
              "file size: 18954 -> 19279\n"
              "download menu (table 10):\n"
              "  before: Download Application | via: | 1. RS-232 | 2. Cradle-IR | 3. IrDA | 4. Modem\n"
              "  after:  Загрузка Задачи | или Базы через: | 1. IR-подставку | 2. IrDa | 3. Модем | 4. BlueTooth SPP\n"
              "download item: 1 (2. Cradle-IR) -> 0 (1. IR-подставку)\n"
              "upload menu (table 9):\n"
              "  before: Upload data via: | 1. RS-232 | 2. Cradle-IR | 3. IrDA | 4. Keyboard Wedge | 5. Modem\n"
              "  after:  Выгрузить данные чере | 1. IR-Подставку | 2. IrDa | 3. Модем | 4. BlueTooth SPP | \n"
              "upload item: 1 (2. Cradle-IR) -> 0 (1. IR-Подставку)\n");
}

TEST_F(ConvertCommandTest, ShowReadsOtherModelsFilesAndSaysHow) {
    const std::string source = NewTask("task.UZX");
    ASSERT_EQ(Uzx({"convert", source, folder.File("wide.A85"), "--model", "84xx"}).status, 0);
    Outcome run = Uzx({"show", folder.File("wide.A85")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("readAs:\n  model: \"8400\"\n  textLayout: \"wide\"\nfirmwareId: \"8400RU004\"\nreserved:\n", 0), 0u)
        << run.out.substr(0, 100);
    EXPECT_NE(run.out.find("    [1]: \"Загрузить через:\"\n"), std::string::npos) << "the wide texts";

    run = Uzx({"show", "--json", source});
    EXPECT_EQ(run.out.find("readAs"), std::string::npos) << "the designer's own files read as before";

    Bytes cut = ReadBytes(folder.File("wide.A85"));
    cut.resize(19100);
    WriteBytes(folder.File("cut.A85"), cut);
    run = Uzx({"show", folder.File("cut.A85")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Tarvel: Файл (" + folder.File("cut.A85") +
                           ") повреждён или не является файлом задачи: он слишком короткий.\n");
}

}  // namespace
