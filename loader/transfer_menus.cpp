#include "loader/transfer_menus.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/cp1251.h"

namespace loader {
namespace {

// Models that share their transfer menus: the 8200, 8400, 8600 and 8700 all
// take the 8400's.
enum Family { k8000, k8300, k8500, k8400, kFamilyCount };

Family FamilyOf(BatchModel model) {
    switch (model) {
        case BatchModel::M8000: return k8000;
        case BatchModel::M8300: return k8300;
        case BatchModel::M8500: return k8500;
        default: return k8400;
    }
}

constexpr int kDownloadTable = 10;
constexpr int kUploadTable = 9;
constexpr int kMenuEntries = 6;

struct MenuTexts {
    std::array<const char*, kMenuEntries> download;  // UTF-8
    std::array<const char*, kMenuEntries> upload;    // an empty text leaves the entry all zero
};

constexpr std::array<MenuTexts, kFamilyCount> kMenuTexts = {{
    {{"Загрузка Задачи", "или Базы", "через:", "1. IR-подставку", "2. IrDA", "3. Модем"},
     {"Выгрузить данные", "Базу через:", "1. IR-подставку", "2. IrDA", "3. Модем", "4. Acoustic Co."}},
    {{"Загрузка Задачи", "или Базы через:", "1. RS232", "2. IR-подставки", "3. IrDA", "4. Модем"},
     {"Выгрузить данные чере", "1. RS232", "2. IR-подставка", "3. IrDA", "4. Разрыв клавиатуры", "5. Модем"}},
    {{"Загрузка Задачи", "или Базы через:", "1. IR-подставку", "2. IrDa", "3. Модем", "4. BlueTooth SPP"},
     {"Выгрузить данные чере", "1. IR-Подставку", "2. IrDa", "3. Модем", "4. BlueTooth SPP", ""}},
    {{"Загрузить через:", "1. Кабель RS-232", "2. Bluetooth-SPP", "3. Кабель USB VCOM", "4. Модем", "5. SD Card"},
     {"Выгрузить через:", "1. Кабель RS-232", "2. Bluetooth-SPP", "3. Кабель USB VCOM", "4. Модем", "5. SD Card"}},
}};

// How one chosen item is renumbered, on 1-based item numbers.
struct ItemRule {
    Byte fixed = 0;              // nonzero: the item becomes this whatever it was
    std::array<Byte, 6> to{};    // to[n] for items 1..5; 0 leaves item n as it is

    Byte Apply(Byte item) const {
        if (fixed != 0) return fixed;
        if (item < to.size() && to[item] != 0) return to[item];
        return item;
    }
};

struct PairRule {
    ItemRule download;
    ItemRule upload;
};

constexpr ItemRule Fixed(Byte item) { return {item, {}}; }
constexpr ItemRule Map(Byte a1, Byte a2, Byte a3, Byte a4 = 0, Byte a5 = 0) { return {0, {0, a1, a2, a3, a4, a5}}; }
constexpr ItemRule kKeep{};
constexpr PairRule Both(ItemRule rule) { return {rule, rule}; }

// kRules[target][source].
constexpr std::array<std::array<PairRule, kFamilyCount>, kFamilyCount> kRules = {{
    // to the 8000
    {{Both(Fixed(1)), {Map(1, 1, 2, 3), Map(1, 1, 2, 1, 3)}, Both(Map(1, 2, 3, 1)), Both(kKeep)}},
    // to the 8300
    {{{Map(2, 3, 4), Map(2, 3, 5)}, Both(Fixed(2)), Both(Map(2, 3, 4, 2)), Both(kKeep)}},
    // to the 8500
    {{Both(Map(1, 2, 3)), {Map(1, 1, 2, 3), Map(1, 1, 2, 1, 3)}, Both(Fixed(1)), Both(kKeep)}},
    // to the 8200, 8400, 8600 and 8700
    {{Both(Fixed(3)), Both(Fixed(3)), Both(kKeep), Both(kKeep)}},
}};

void PutEntry(Byte* entry, const char* utf8) {
    const std::string text = common::Utf8ToCp1251(utf8);
    std::fill_n(entry, task::kWideSlot, Byte{0});
    std::copy_n(text.begin(), std::min(text.size(), task::kWideSlot), entry);
}

}  // namespace

void RebuildTransferMenus(BatchTask& task, BatchModel target) {
    const Family to = FamilyOf(target);
    const TextLayout layout = LayoutOf(target);
    Byte* texts = layout == TextLayout::Wide ? task.wideTexts.data() : task.blocks.texts.data();
    for (int e = 0; e < kMenuEntries; ++e) {
        PutEntry(texts + TextEntryOffset(layout, kDownloadTable, e), kMenuTexts[to].download[e]);
        PutEntry(texts + TextEntryOffset(layout, kUploadTable, e), kMenuTexts[to].upload[e]);
    }

    // The items are 0-based in the task; the rules speak of 1-based items,
    // with byte arithmetic both ways.
    const PairRule& rule = kRules[to][FamilyOf(task.sourceModel)];
    Byte& download = task.blocks.startup[task::startup::kDownloadPort];
    Byte& upload = task.blocks.startup[task::startup::kUploadPort];
    download = static_cast<Byte>(rule.download.Apply(static_cast<Byte>(download + 1)) - 1);
    upload = static_cast<Byte>(rule.upload.Apply(static_cast<Byte>(upload + 1)) - 1);
}

}  // namespace loader
