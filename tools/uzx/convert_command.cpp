// uzx convert: the loader's convert page run from the command line, its
// messages on stderr, and on request what changed for the target.
#include <iostream>
#include <optional>
#include <string_view>

#include "common/console_ui.h"
#include "common/cp1251.h"
#include "loader/batch_file.h"
#include "loader/convert_page.h"
#include "loader/text_layouts.h"
#include "tools/uzx/commands.h"

namespace uzx {
namespace {

constexpr const char* kUsage = "convert SRC DST --model 80xx|83xx|85xx|84xx [--report]";

// The target list position of a --model value.
std::optional<int> TargetPosition(std::string_view model) {
    const auto& targets = loader::ConvertTargets();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (targets[i].radioPrefix == model) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::string Identifier(const std::vector<task::Byte>& file) {
    const std::string head(file.begin(), file.begin() + static_cast<long>(std::min<std::size_t>(file.size(), 10)));
    return common::Cp1251ToUtf8(head.substr(0, head.find('\0')));
}

const char* LayoutName(loader::TextLayout layout) { return layout == loader::TextLayout::Wide ? "wide" : "mixed"; }

// One transfer menu of a task: its six entries, and the chosen item with the
// entry that offers it ("2. IR-подставки" for item 1).
struct TransferMenu {
    std::vector<std::string> entries;  // UTF-8, trailing spaces dropped
    int item;
};

TransferMenu MenuOf(const loader::BatchTask& task, loader::TextLayout layout, int table, std::size_t itemOffset) {
    const task::Byte* texts = layout == loader::TextLayout::Wide ? task.wideTexts.data() : task.blocks.texts.data();
    TransferMenu menu{{}, task.blocks.startup[itemOffset]};
    for (int e = 0; e < 6; ++e) {
        const char* entry = reinterpret_cast<const char*>(texts + loader::TextEntryOffset(layout, table, e));
        std::string text(entry, task::kWideSlot);
        text = text.substr(0, text.find('\0'));
        text = text.substr(0, text.find_last_not_of(' ') + 1);
        menu.entries.push_back(common::Cp1251ToUtf8(text));
    }
    return menu;
}

std::string ItemText(const TransferMenu& menu) {
    const std::string number = std::to_string(menu.item + 1) + ".";
    for (const std::string& entry : menu.entries) {
        if (entry.rfind(number, 0) == 0) return std::to_string(menu.item) + " (" + entry + ")";
    }
    return std::to_string(menu.item);
}

void PrintMenu(const char* name, int table, const TransferMenu& before, const TransferMenu& after) {
    const auto joined = [](const TransferMenu& menu) {
        std::string all;
        for (const std::string& entry : menu.entries) all += (all.empty() ? "" : " | ") + entry;
        return all;
    };
    std::cout << name << " menu (table " << table << "):\n"
              << "  before: " << joined(before) << "\n  after:  " << joined(after) << '\n'
              << name << " item: " << ItemText(before) << " -> " << ItemText(after) << '\n';
}

void PrintBatchReport(const loader::ConvertOutcome& outcome) {
    const loader::BatchTask& before = *outcome.source;
    const loader::DecodeResult written = loader::DecodeBatchFile(outcome.written);
    if (written.status != loader::DecodeStatus::Ok) return;
    const loader::BatchTask& after = written.task;
    const loader::TextLayout from = loader::LayoutOf(before.sourceModel);
    const loader::TextLayout to = loader::LayoutOf(after.sourceModel);
    std::cout << "identifier: " << loader::FirmwareIdText(before.sourceModel) << " -> " << Identifier(outcome.written)
              << '\n'
              << "text layout: " << LayoutName(from) << " -> " << LayoutName(to) << '\n'
              << "file size: " << loader::FileSize(from) << " -> " << outcome.written.size() << '\n';
    PrintMenu("download", 10, MenuOf(before, from, 10, task::startup::kDownloadPort),
              MenuOf(after, to, 10, task::startup::kDownloadPort));
    PrintMenu("upload", 9, MenuOf(before, from, 9, task::startup::kUploadPort),
              MenuOf(after, to, 9, task::startup::kUploadPort));
}

void PrintRadioReport(const loader::ConvertOutcome& outcome) {
    std::cout << "identifier: " << Identifier(outcome.sourceBytes) << " -> " << Identifier(outcome.written) << '\n'
              << "radio task: only the first four bytes change; " << outcome.written.size() << " bytes\n";
}

}  // namespace

int RunConvert(const Args& args) {
    std::vector<std::string> files;
    std::optional<int> target;
    bool report = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--report") {
            report = true;
        } else if (args[i] == "--model" && i + 1 < args.size()) {
            target = TargetPosition(args[++i]);
            if (!target) break;
        } else if (args[i].rfind("--", 0) == 0) {
            target.reset();
            break;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2 || !target) {
        std::cerr << "usage: uzx " << kUsage << '\n';
        return 2;
    }

    common::ConsoleUi ui;
    loader::ConvertPage page(ui, std::string());
    page.SetSource(files[0]);
    page.SetDestination(files[1]);
    page.SelectTarget(*target);
    const loader::ConvertOutcome outcome = page.Convert();
    if (report && outcome.converted) {
        if (outcome.kind == loader::FileKind::Batch) {
            PrintBatchReport(outcome);
        } else {
            PrintRadioReport(outcome);
        }
    }
    return outcome.converted ? 0 : 1;
}

}  // namespace uzx
