// The loader's radio task files, small and large. A file is accepted exactly
// when it holds its variant's blocks; a new model prefix changes the first
// four bytes and nothing else; the normalisation before a download keeps its
// counts within the records.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_input.h"
#include "loader/radio_file.h"
#include "loader/radio_normalize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Require;
    const std::vector<loader::Byte> file(data, data + size);
    const loader::RadioDecodeResult read = loader::DecodeRadioFile(file);
    const bool large = file.size() > 8 && file[8] == '3';
    const std::size_t needed = large ? loader::kLargeRadioFileSize : loader::kSmallRadioFileSize;
    Require(read.ok == (file.size() >= needed), "a radio file accepted or refused against its variant's size");

    const std::vector<loader::Byte> renamed = loader::WithRadioPrefix(file, "84xx");
    if (file.size() < 4) {
        Require(renamed.empty(), "a file without room for a prefix got one");
    } else {
        Require(renamed.size() == file.size(), "a new prefix changed the file's size");
        Require(std::equal(renamed.begin() + 4, renamed.end(), file.begin() + 4), "a new prefix changed more bytes");
        Require(std::string(renamed.begin(), renamed.begin() + 4) == "84xx", "the prefix was not written");
    }
    if (!read.ok) return 0;

    const loader::RadioTask& task = read.task;
    const loader::Byte ranged = task.menus[0][loader::radio_menu::kRangedSetting];
    Require(ranged >= 1 && ranged <= 99, "the first menu's ranged setting is outside 1..99");
    const loader::RadioTask sent = loader::NormalizeRadioTask(task);
    // The first eight menus have their items counted; the others keep the file's count.
    for (int m = 0; m < 8; ++m) {
        Require(sent.menus[m][loader::radio_menu::kVisibleItems] <= loader::radio_menu::kItemCount,
                "a menu counts more items than it has");
    }
    for (const loader::RadioFormRecord& form : sent.forms) {
        Require(form[loader::radio_form::kFieldCount] <= loader::radio_form::kFields, "a form counts more fields than it has");
    }
    return 0;
}
