// The convert page's commands on real files: what is written, what the user
// is told, and that a failure leaves the destination as it was.
#include "loader/convert_page.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "testing/failing_file_calls.h"
#include "testing/scripted_ui.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "loader/test_support.h"

namespace loader {
namespace {

using common::MessageIcon;
using test_support::ShownEvent;
using task::testing::ReadBytes;
using test_support::TempFolder;
using task::testing::WriteBytes;
using testing::Bytes;
using testing::Cp;
using testing::PatternFile;
using testing::Slice;

class ConvertPageTest : public ::testing::Test {
protected:
    // Converts `source` into `destination` for the target at `position`.
    ConvertOutcome Convert(const std::string& source, const std::string& destination, int position) {
        page.SetSource(source);
        page.SetDestination(destination);
        page.SelectTarget(position);
        return page.Convert();
    }

    // The messages shown, each as "caption|text" in UTF-8 with its icon.
    std::vector<std::pair<std::string, MessageIcon>> Messages() const {
        std::vector<std::pair<std::string, MessageIcon>> shown;
        for (const ShownEvent& e : ui.events) {
            if (e.kind == ShownEvent::Kind::Message) {
                shown.emplace_back(common::Cp1251ToUtf8(e.caption + "|" + e.text), e.icon);
            }
        }
        return shown;
    }

    using Shown = std::vector<std::pair<std::string, MessageIcon>>;
    const std::pair<std::string, MessageIcon> kConverted{"Конвертация|Файл сконвертирован", MessageIcon::Information};
    const std::pair<std::string, MessageIcon> kCannot{"Конвертация|Неудаётся открыть или записать в файл.",
                                                      MessageIcon::Error};

    TempFolder folder;
    test_support::ScriptedUi ui;
    ConvertPage page{ui, "/opt/tarvel"};
};

TEST_F(ConvertPageTest, TheSourceMustBeChosenFirst) {
    EXPECT_EQ(page.Source(), std::nullopt);
    EXPECT_EQ(page.Destination(), std::nullopt);
    EXPECT_FALSE(page.Convert().converted);
    page.SetDestination(folder.File("out.UZX"));
    EXPECT_FALSE(page.Convert().converted);
    const std::pair<std::string, MessageIcon> noSource{"Конвертация|Ошибка. Не выбран файл задачи для конвертации.",
                                                       MessageIcon::Error};
    EXPECT_EQ(Messages(), (Shown{noSource, noSource}));
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.UZX")));
}

TEST_F(ConvertPageTest, SourceAndDestinationKinds) {
    EXPECT_EQ(ConvertKindOf("/d/t.UZX"), FileKind::Batch);
    EXPECT_EQ(ConvertKindOf("/d/t.a85"), FileKind::Batch);
    EXPECT_EQ(ConvertKindOf("/d/t.atf"), FileKind::Radio);
    EXPECT_EQ(ConvertKindOf("/d/t.ATF"), FileKind::Radio);
    EXPECT_EQ(ConvertKindOf("/d/t.Atf"), FileKind::Unknown) << "the spelling must be exact";
    EXPECT_EQ(ConvertKindOf("/d/t.Uzx"), FileKind::Unknown);
    EXPECT_EQ(ConvertKindOf("/d/t.UZX.bak"), FileKind::Unknown);
    EXPECT_EQ(ExtensionOf("/d/noextension"), "/d/noextension") << "no dot: the whole text";
    EXPECT_EQ(ConvertKindOf("UZX"), FileKind::Batch) << "and so a bare UZX is one";

    EXPECT_EQ(ProposedDestination("/d/a.b.UZX"), "/d/a_convert.UZX");
    EXPECT_EQ(ProposedDestination("/d/task.atf"), "/d/task_convert.atf");
    EXPECT_EQ(ProposedDestination("task.A85"), "task_convert.A85");
    EXPECT_EQ(ProposedDestination("/d.x/name"), "/d.x/name_convert");
}

TEST_F(ConvertPageTest, UnknownKindsAreRefusedBeforeAnythingIsRead) {
    for (const char* name : {"task.Atf", "task.txt", "noextension"}) {
        ui.events.clear();
        const std::string destination = folder.File("out");
        EXPECT_FALSE(Convert(folder.File(name), destination, 0).converted);
        EXPECT_EQ(Messages(), (Shown{{"Конвертация|Неверный формат данных", MessageIcon::Error}})) << name;
        EXPECT_FALSE(std::filesystem::exists(destination));
    }
}

TEST_F(ConvertPageTest, RadioTasksGetTheTargetsPrefix) {
    const std::string source = folder.File("radio.ATF");
    const Bytes file = PatternFile("80xxRU102", 4714);
    WriteBytes(source, file);
    const char* prefixes[] = {"80xx", "83xx", "85xx", "84xx"};
    for (int position = 0; position < 4; ++position) {
        ui.events.clear();
        const std::string destination = folder.File("out.ATF");
        EXPECT_TRUE(Convert(source, destination, position).converted);
        EXPECT_EQ(Messages(), Shown{kConverted});
        const Bytes out = ReadBytes(destination);
        ASSERT_EQ(out.size(), file.size());
        EXPECT_EQ(Slice(out, 0, 4), prefixes[position]);
        EXPECT_TRUE(std::equal(out.begin() + 4, out.end(), file.begin() + 4));
    }
}

TEST_F(ConvertPageTest, ARadioTaskConvertedOntoItself) {
    const std::string path = folder.File("radio.atf");
    Bytes file = PatternFile("80xxRU103", 18043);
    file.resize(20000, 7);  // a longer file is copied whole
    WriteBytes(path, file);
    EXPECT_TRUE(Convert(path, path, 2).converted);
    const Bytes out = ReadBytes(path);
    ASSERT_EQ(out.size(), 20000u);
    EXPECT_EQ(Slice(out, 0, 10), std::string("85xxRU103\0", 10));
    EXPECT_EQ(out.back(), 7);
}

TEST_F(ConvertPageTest, RadioSourcesThatCannotBeRead) {
    EXPECT_FALSE(Convert(folder.File("missing.ATF"), folder.File("out.ATF"), 0).converted);
    EXPECT_EQ(Messages(), Shown{kCannot});
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.ATF")));

    // A file far larger than a radio task is not copied, let alone read whole.
    ui.events.clear();
    WriteBytes(folder.File("huge.ATF"), PatternFile("80xxRU103", 18043));
    std::filesystem::resize_file(folder.File("huge.ATF"), 3ull << 30);
    EXPECT_FALSE(Convert(folder.File("huge.ATF"), folder.File("out.ATF"), 0).converted);
    EXPECT_EQ(Messages(), (Shown{{"Конвертация|Файл (" + folder.File("huge.ATF") +
                                      ") не является файлом задачи: он слишком большой.",
                                  MessageIcon::Error}}));

    ui.events.clear();
    WriteBytes(folder.File("tiny.ATF"), {'8', '0', 'x'});
    EXPECT_FALSE(Convert(folder.File("tiny.ATF"), folder.File("out.ATF"), 0).converted);
    EXPECT_EQ(Messages(), (Shown{{"Конвертация|Файл (" + folder.File("tiny.ATF") +
                                      ") повреждён или не является файлом задачи: он слишком короткий.",
                                  MessageIcon::Error}}));
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.ATF")));
}

TEST_F(ConvertPageTest, BatchTasksAreWrittenForTheTarget) {
    const std::string source = folder.File("task.UZX");
    WriteBytes(source, PatternFile("8300RU004", 18954));
    const std::pair<const char*, std::size_t> expected[] = {
        {"8000RU004", 18954}, {"8300RU004", 18954}, {"8500RU004", 19279}, {"8400RU004", 19279}};
    for (int position = 0; position < 4; ++position) {
        ui.events.clear();
        const ConvertOutcome outcome = Convert(source, folder.File("out.UZX"), position);
        EXPECT_TRUE(outcome.converted);
        EXPECT_EQ(Messages(), Shown{kConverted});
        const Bytes out = ReadBytes(folder.File("out.UZX"));
        EXPECT_EQ(out.size(), expected[position].second);
        EXPECT_EQ(Slice(out, 0, 10), std::string(expected[position].first, 10));
        EXPECT_EQ(out, outcome.written);
    }
}

TEST_F(ConvertPageTest, ABatchTaskConvertedOntoItself) {
    const std::string path = folder.File("task.A85");
    WriteBytes(path, PatternFile("8500RU004", 19279));
    EXPECT_TRUE(Convert(path, path, 1).converted);
    const Bytes out = ReadBytes(path);
    EXPECT_EQ(out.size(), 18954u);
    EXPECT_EQ(Slice(out, 0, 10), std::string("8300RU004\0", 10));
}

TEST_F(ConvertPageTest, ARefusedBatchSourceShowsOnlyTheReadersMessage) {
    const std::string source = folder.File("old.UZX");
    WriteBytes(source, PatternFile("8300RU003", 18954));
    EXPECT_FALSE(Convert(source, folder.File("out.UZX"), 0).converted);
    EXPECT_EQ(Messages(), (Shown{{"Tarvel|Данная версия файла задачи не потдерживается.", MessageIcon::None}}));
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.UZX")));
}

TEST_F(ConvertPageTest, ADestinationThatCannotBeWrittenStaysAsItWas) {
    const std::string source = folder.File("task.UZX");
    WriteBytes(source, PatternFile("8300RU004", 18954));
    const std::string inTheWay = folder.File("folder.UZX");
    ASSERT_TRUE(std::filesystem::create_directory(inTheWay));
    WriteBytes(inTheWay + "/kept", {'k'});
    EXPECT_FALSE(Convert(source, inTheWay, 3).converted);
    EXPECT_EQ(Messages(), Shown{kCannot});
    EXPECT_EQ(ReadBytes(inTheWay + "/kept"), Bytes{'k'});

    ui.events.clear();
    WriteBytes(folder.File("radio.ATF"), PatternFile("80xxRU102", 4714));
    EXPECT_FALSE(Convert(folder.File("radio.ATF"), folder.File("none/out.ATF"), 3).converted);
    EXPECT_EQ(Messages(), Shown{kCannot});
}

TEST_F(ConvertPageTest, AConversionThatFailsAnywhereKeepsTheOldDestination) {
    WriteBytes(folder.File("task.UZX"), PatternFile("8300RU004", 18954));
    WriteBytes(folder.File("radio.ATF"), PatternFile("80xxRU102", 4714));
    const std::string destination = folder.File("out.UZX");
    for (const char* source : {"task.UZX", "radio.ATF"}) {
        SCOPED_TRACE(source);
        const auto convert = [&] { return Convert(folder.File(source), destination, 2); };
        const int points = test_support::CountFailurePoints(convert);
        EXPECT_EQ(points, 3);  // a write, the flush, the rename
        for (int point = 1; point <= points; ++point) {
            SCOPED_TRACE(point);
            WriteBytes(destination, {'o', 'l', 'd'});
            ui.events.clear();
            test_support::FailingFileCalls failing(point);
            common::FileCallsOverride active(failing);
            EXPECT_FALSE(convert().converted);
            EXPECT_EQ(Messages(), Shown{kCannot});
            EXPECT_EQ(ReadBytes(destination), (Bytes{'o', 'l', 'd'}));
        }
        ui.events.clear();
        EXPECT_TRUE(convert().converted);
        EXPECT_EQ(Messages(), Shown{kConverted});
    }
}

TEST_F(ConvertPageTest, ChoosingTheSourceProposesTheDestination) {
    ui.chosenPaths = {"/data/in.v2.A85", ""};
    page.ChooseSource();
    EXPECT_EQ(page.Source(), "/data/in.v2.A85");
    EXPECT_EQ(page.Destination(), "/data/in_convert.A85");
    page.ChooseSource();  // cancelled: both stay
    EXPECT_EQ(page.Source(), "/data/in.v2.A85");
    EXPECT_EQ(page.Destination(), "/data/in_convert.A85");

    ASSERT_EQ(ui.choosers.size(), 2u);
    const common::FileChooser& chooser = ui.choosers[0];
    EXPECT_EQ(chooser.initialPath, "/opt/tarvel");
    ASSERT_EQ(chooser.filters.size(), 4u);
    const std::pair<std::string, std::string> filters[] = {
        {"A85", "*.A85"}, {".UZX", "*.UZX"}, {".ATF", "*.ATF"}, {"All", "*.ATF;*.UZX;*.A85"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(chooser.filters[i].description, filters[i].first);
        EXPECT_EQ(chooser.filters[i].pattern, filters[i].second);
    }
    EXPECT_EQ(chooser.selectedFilter, 3u);
}

TEST_F(ConvertPageTest, ChoosingTheDestination) {
    ui.chosenPaths = {"/data/out.UZX", ""};
    page.ChooseDestination();
    EXPECT_EQ(page.Destination(), "/data/out.UZX");
    EXPECT_EQ(page.Source(), std::nullopt);
    page.ChooseDestination();
    EXPECT_EQ(page.Destination(), "/data/out.UZX");
    const common::FileChooser& chooser = ui.choosers.at(0);
    EXPECT_EQ(chooser.title, Cp("Сохранить"));
    ASSERT_EQ(chooser.filters.size(), 1u);
    EXPECT_EQ(chooser.filters[0].description, "All");
    EXPECT_EQ(chooser.filters[0].pattern, "*.ATF;*.UZX;*.A85");
    EXPECT_EQ(chooser.initialPath, "");
    EXPECT_EQ(chooser.defaultExtension, "");
}

TEST_F(ConvertPageTest, TheTargetListHasFourEntries) {
    EXPECT_EQ(page.TargetPosition(), 0);
    page.SelectTarget(3);
    page.SelectTarget(4);
    page.SelectTarget(-1);
    EXPECT_EQ(page.TargetPosition(), 3);
}

}  // namespace
}  // namespace loader
