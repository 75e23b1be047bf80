// The convert page driven by control id: what its fields and list show and
// that its buttons reach the commands.
#include "loader/pages/convert_page_model.h"

#include <gtest/gtest.h>

#include "loader/pages/form_test_support.h"

namespace loader::pages {
namespace {

using loader::testing::Cp;
using loader::testing::PatternFile;
using namespace convert_ids;

class ConvertPageModelTest : public ::testing::Test, public testing::FormBench {
protected:
    Page& Convert() { return PageAt(kConvertTab); }
};

TEST_F(ConvertPageModelTest, ANewPageAsksForBothFilesAndOffersTheFourModels) {
    EXPECT_EQ(Convert().State(kSourceField).text, Cp("Откройте файл"));
    EXPECT_FALSE(Convert().State(kSourceField).isPath);
    EXPECT_EQ(Convert().State(kDestinationField).text, Cp("Откройте файл"));
    const ControlState list = Convert().State(kTargetList);
    EXPECT_EQ(list.items, (std::vector<std::string>{Cp("модель 80xx"), Cp("модель 83xx"), Cp("модель 85xx"),
                                                    Cp("модель 84xx")}));
    EXPECT_EQ(list.selection, 0);
}

TEST_F(ConvertPageModelTest, NothingIsConvertedBeforeTheSourceIsChosen) {
    Convert().Click(kConvert);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].caption, Cp("Конвертация"));
    EXPECT_EQ(ui.events[0].text, Cp("Ошибка. Не выбран файл задачи для конвертации."));
}

TEST_F(ConvertPageModelTest, ChoosingTheSourceProposesTheDestinationAndConvertWritesIt) {
    const std::string source = WriteFile("route.v2.ATF", PatternFile("80xxRU102", 4714));
    ui.chosenPaths = {source};
    Convert().Click(kChooseSource);
    EXPECT_EQ(ui.choosers[0].initialPath, folder.File("program"));
    EXPECT_EQ(ui.choosers[0].selectedFilter, 3u);
    EXPECT_EQ(Convert().State(kSourceField).text, source);
    EXPECT_TRUE(Convert().State(kSourceField).isPath);
    EXPECT_EQ(Convert().State(kDestinationField).text, folder.File("route_convert.ATF"));

    Convert().Choose(kTargetList, 2);
    EXPECT_EQ(Convert().State(kTargetList).selection, 2);
    Convert().Click(kConvert);
    EXPECT_EQ(ui.MessageTexts().back(), Cp("Файл сконвертирован"));
    FILE* file = std::fopen(folder.File("route_convert.ATF").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char prefix[5] = {};
    EXPECT_EQ(std::fread(prefix, 1, 4, file), 4u);
    std::fclose(file);
    EXPECT_STREQ(prefix, "85xx");
}

TEST_F(ConvertPageModelTest, TheDestinationChooserIsASaveDialog) {
    ui.chosenPaths = {"/t/out.UZX"};
    Convert().Click(kChooseDestination);
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, test_support::ShownEvent::Kind::SaveChooser);
    EXPECT_EQ(ui.choosers[0].title, Cp("Сохранить"));
    EXPECT_EQ(Convert().State(kDestinationField).text, "/t/out.UZX");
    EXPECT_EQ(Convert().State(kSourceField).text, Cp("Откройте файл"));
}

TEST_F(ConvertPageModelTest, AChoiceOutsideTheListIsIgnored) {
    Convert().Choose(kTargetList, 3);
    Convert().Choose(kTargetList, 4);
    Convert().Choose(kTargetList, -1);
    EXPECT_EQ(Convert().State(kTargetList).selection, 3);
}

}  // namespace
}  // namespace loader::pages
