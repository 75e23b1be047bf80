// The transfer menus each target receives and the renumbering of the chosen
// items, for every pair of source and target model.
#include "loader/transfer_menus.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Cp;
using testing::Slice;

constexpr std::size_t kDownloadVia = 27;  // StartupSettings bytes
constexpr std::size_t kUploadVia = 5;

BatchTask TaskFrom(BatchModel source, Byte download, Byte upload) {
    BatchTask task;
    task.sourceModel = source;
    task.blocks.startup[kDownloadVia] = download;
    task.blocks.startup[kUploadVia] = upload;
    return task;
}

// 0-based items after the renumbering, for the items 0..5 before it.
using Items = std::array<Byte, 6>;
constexpr Items kSame = {0, 1, 2, 3, 4, 5};
constexpr Items All(Byte item) { return {item, item, item, item, item, item}; }

struct PairCase {
    std::vector<BatchModel> sources;
    std::vector<BatchModel> targets;
    Items download;
    Items upload;
};

using M = BatchModel;
const std::vector<M> kFamily84 = {M::M8200, M::M8400, M::M8600, M::M8700};

const std::vector<PairCase> kPairs = {
    // to the 8000
    {{M::M8000}, {M::M8000}, All(0), All(0)},
    {{M::M8300}, {M::M8000}, {0, 0, 1, 2, 4, 5}, {0, 0, 1, 0, 2, 5}},
    {{M::M8500}, {M::M8000}, {0, 1, 2, 0, 4, 5}, {0, 1, 2, 0, 4, 5}},
    {kFamily84, {M::M8000}, kSame, kSame},
    // to the 8300
    {{M::M8000}, {M::M8300}, {1, 2, 3, 3, 4, 5}, {1, 2, 4, 3, 4, 5}},
    {{M::M8300}, {M::M8300}, All(1), All(1)},
    {{M::M8500}, {M::M8300}, {1, 2, 3, 1, 4, 5}, {1, 2, 3, 1, 4, 5}},
    {kFamily84, {M::M8300}, kSame, kSame},
    // to the 8500
    {{M::M8000}, {M::M8500}, kSame, kSame},
    {{M::M8300}, {M::M8500}, {0, 0, 1, 2, 4, 5}, {0, 0, 1, 0, 2, 5}},
    {{M::M8500}, {M::M8500}, All(0), All(0)},
    {kFamily84, {M::M8500}, kSame, kSame},
    // to the 8200, 8400, 8600 and 8700
    {{M::M8000}, kFamily84, All(2), All(2)},
    {{M::M8300}, kFamily84, All(2), All(2)},
    {{M::M8500}, kFamily84, kSame, kSame},
    {kFamily84, kFamily84, kSame, kSame},
};

TEST(RebuildTransferMenus, RenumbersTheChosenItemsForEveryPairOfModels) {
    for (const PairCase& pair : kPairs) {
        for (BatchModel source : pair.sources) {
            for (BatchModel target : pair.targets) {
                for (Byte before = 0; before < 6; ++before) {
                    // Download and upload each follow their own rule: give them different items.
                    const Byte otherBefore = static_cast<Byte>(5 - before);
                    BatchTask task = TaskFrom(source, before, otherBefore);
                    RebuildTransferMenus(task, target);
                    EXPECT_EQ(task.blocks.startup[kDownloadVia], pair.download[before])
                        << "download from " << static_cast<int>(source) << " to " << static_cast<int>(target)
                        << ", item " << int(before);
                    EXPECT_EQ(task.blocks.startup[kUploadVia], pair.upload[otherBefore])
                        << "upload from " << static_cast<int>(source) << " to " << static_cast<int>(target)
                        << ", item " << int(otherBefore);
                }
            }
        }
    }
}

TEST(RebuildTransferMenus, ItemsOutsideTheMenusWrapAroundWithTheByte) {
    // 255 becomes 0 when counted from 1: no mapping names it, so it comes back as 255.
    BatchTask task = TaskFrom(M::M8300, 255, 255);
    RebuildTransferMenus(task, M::M8000);
    EXPECT_EQ(task.blocks.startup[kDownloadVia], 255);
    EXPECT_EQ(task.blocks.startup[kUploadVia], 255);
    // A fixed item replaces it all the same.
    task = TaskFrom(M::M8000, 255, 200);
    RebuildTransferMenus(task, M::M8400);
    EXPECT_EQ(task.blocks.startup[kDownloadVia], 2);
    EXPECT_EQ(task.blocks.startup[kUploadVia], 2);
}

TEST(RebuildTransferMenus, OnlyTheTwoItemsOfTheStartupSettingsChange) {
    BatchTask task = TaskFrom(M::M8300, 1, 1);
    for (std::size_t i = 0; i < task.blocks.startup.size(); ++i) {
        if (i != kDownloadVia && i != kUploadVia) task.blocks.startup[i] = static_cast<Byte>(i);
    }
    const auto before = task.blocks.startup;
    RebuildTransferMenus(task, M::M8500);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i != kDownloadVia && i != kUploadVia) {
            ASSERT_EQ(task.blocks.startup[i], before[i]) << i;
        }
    }
}

// Each text in its 21-byte entry followed by zeros.
std::string Entry(std::string_view utf8) {
    std::string text = Cp(utf8);
    return text + std::string(21 - text.size(), '\0');
}

std::string Menu(std::initializer_list<std::string_view> texts) {
    std::string all;
    for (std::string_view t : texts) all += Entry(t);
    return all;
}

struct MenuCase {
    BatchModel target;
    std::string download;  // table 10, six entries
    std::string upload;    // table 9
};

TEST(RebuildTransferMenus, EachTargetGetsItsMenuTextsInItsLayout) {
    const std::string k84Download =
        Menu({"Загрузить через:", "1. Кабель RS-232", "2. Bluetooth-SPP", "3. Кабель USB VCOM", "4. Модем", "5. SD Card"});
    const std::string k84Upload =
        Menu({"Выгрузить через:", "1. Кабель RS-232", "2. Bluetooth-SPP", "3. Кабель USB VCOM", "4. Модем", "5. SD Card"});
    // Fills its 21 bytes with no NUL.
    const std::string kFullLine = Cp("Выгрузить данные чере");
    ASSERT_EQ(kFullLine.size(), 21u);
    const std::vector<MenuCase> cases = {
        {M::M8000, Menu({"Загрузка Задачи", "или Базы", "через:", "1. IR-подставку", "2. IrDA", "3. Модем"}),
         Menu({"Выгрузить данные", "Базу через:", "1. IR-подставку", "2. IrDA", "3. Модем", "4. Acoustic Co."})},
        {M::M8300, Menu({"Загрузка Задачи", "или Базы через:", "1. RS232", "2. IR-подставки", "3. IrDA", "4. Модем"}),
         kFullLine + Menu({"1. RS232", "2. IR-подставка", "3. IrDA", "4. Разрыв клавиатуры", "5. Модем"})},
        {M::M8500,
         Menu({"Загрузка Задачи", "или Базы через:", "1. IR-подставку", "2. IrDa", "3. Модем", "4. BlueTooth SPP"}),
         kFullLine + Menu({"1. IR-Подставку", "2. IrDa", "3. Модем", "4. BlueTooth SPP"}) + std::string(21, '\0')},
        {M::M8200, k84Download, k84Upload},
        {M::M8400, k84Download, k84Upload},
        {M::M8600, k84Download, k84Upload},
        {M::M8700, k84Download, k84Upload},
    };
    for (const MenuCase& c : cases) {
        BatchTask task;
        task.blocks.texts.fill('m');
        task.wideTexts.fill('w');
        RebuildTransferMenus(task, c.target);
        const bool wide = c.target != M::M8000 && c.target != M::M8300;
        const auto& texts = wide ? std::string(task.wideTexts.begin(), task.wideTexts.end())
                                 : std::string(task.blocks.texts.begin(), task.blocks.texts.end());
        EXPECT_EQ(texts.substr(wide ? 1029 : 894, 126), c.download) << static_cast<int>(c.target);
        EXPECT_EQ(texts.substr(wide ? 903 : 768, 126), c.upload) << static_cast<int>(c.target);
        // Nothing else of either copy changes.
        EXPECT_EQ(texts.substr(wide ? 902 : 767, 1), wide ? "w" : "m");
        EXPECT_EQ(texts.substr(wide ? 1155 : 1020, 1), wide ? "w" : "m");
        if (wide) {
            EXPECT_EQ(std::count(task.blocks.texts.begin(), task.blocks.texts.end(), 'm'), 2468);
        } else {
            EXPECT_EQ(std::count(task.wideTexts.begin(), task.wideTexts.end(), 'w'), 2793);
        }
    }
}

}  // namespace
}  // namespace loader
