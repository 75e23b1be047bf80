#include <iostream>
#include <optional>

#include "common/console_ui.h"
#include "designer/strings/english_table.h"
#include "designer/task/defaults.h"
#include "designer/task/task_file.h"
#include "loader/batch_models.h"
#include "loader/file_bytes.h"
#include "loader/task_files.h"
#include "tools/uzx/commands.h"
#include "tools/uzx/task_input.h"
#include "tools/uzx/task_view.h"

namespace uzx {
namespace {

struct Context {
    text::StringTable strings = strings::MakeStringTable();
    task::DefaultTexts texts = task::LoadDefaultTexts(strings);
    common::ConsoleUi ui;
};

task::Task NewTask(const Context& context) {
    task::Task fresh;
    task::MakeNewTask(fresh.model, context.texts);
    return fresh;
}

bool Open(Context& context, task::Task& into, const std::string& path) {
    return ReadTaskArgument(path, into, context.texts, context.strings, context.ui);
}

bool Write(const std::string& path, const task::TaskModel& model) {
    const task::WriteResult result = task::WriteTaskFile(path, model);
    if (!result.ok) std::cerr << "uzx: cannot write " << path << ": " << result.error << '\n';
    return result.ok;
}

// Files of the other batch models are read as the loader reads them; the
// designer's own model and layouts as the designer does.
bool IsOtherModelsFile(const std::string& path) {
    const auto head = loader::ReadFileBytes(path, 6);
    if (!head) return false;
    const auto model = loader::BatchModelOfPrefix(std::string(head->begin(), head->end()));
    return model && *model != loader::BatchModel::M8300;
}

std::optional<Node> ReadDocument(Context& context, const std::string& path) {
    if (IsOtherModelsFile(path)) {
        const auto read = loader::ReadTaskFile(path, context.ui);
        if (!read) return std::nullopt;
        return DescribeLoaderTask(*read);
    }
    task::Task read = NewTask(context);
    if (!Open(context, read, path)) return std::nullopt;
    return DescribeTask(read.model);
}

int Usage(const char* usage) {
    std::cerr << "usage: uzx " << usage << '\n';
    return 2;
}

}  // namespace

int RunNew(const Args& args) {
    if (args.size() != 1) return Usage("new OUT");
    Context context;
    return Write(args[0], NewTask(context).model) ? 0 : 1;
}

int RunUpgrade(const Args& args) {
    if (args.size() != 2) return Usage("upgrade IN OUT");
    Context context;
    task::Task read = NewTask(context);
    if (!Open(context, read, args[0])) return 1;
    return Write(args[1], read.model) ? 0 : 1;
}

int RunShow(const Args& args) {
    const bool json = !args.empty() && args[0] == "--json";
    if (args.size() != (json ? 2u : 1u)) return Usage("show [--json] FILE");
    Context context;
    const std::optional<Node> document = ReadDocument(context, args.back());
    if (!document) return 1;
    if (json) {
        document->PrintJson(std::cout);
        std::cout << '\n';
    } else {
        document->PrintText(std::cout);
    }
    return 0;
}

}  // namespace uzx
