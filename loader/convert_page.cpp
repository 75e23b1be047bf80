#include "loader/convert_page.h"

#include <filesystem>

#include "common/native_path.h"
#include "common/whole_file.h"
#include "loader/batch_file.h"
#include "loader/file_bytes.h"
#include "loader/loader_string_ids.h"
#include "loader/loader_strings.h"
#include "loader/radio_file.h"
#include "loader/task_files.h"

namespace loader {
namespace {

constexpr std::size_t kAllFilesFilter = 3;
// A radio task's file is copied whole, but one this large is no task: a
// large task is 18043 bytes.
constexpr std::size_t kMaxRadioSourceSize = 1 << 20;

common::FileFilter Filter(int description, int pattern) { return {LoaderText(description), LoaderText(pattern)}; }

}  // namespace

std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(dot + 1);
}

FileKind ConvertKindOf(const std::string& path) {
    const std::string extension = ExtensionOf(path);
    if (extension == "ATF" || extension == "atf") return FileKind::Radio;
    if (extension == "UZX" || extension == "A85" || extension == "uzx" || extension == "a85") return FileKind::Batch;
    return FileKind::Unknown;
}

std::string ProposedDestination(const std::string& source) {
    // The system knows where the name starts: after the last '/' on POSIX,
    // after the last '\' or '/' on Windows.
    const std::string name = std::filesystem::path(source).filename().string();
    const std::size_t lastDot = name.rfind('.');
    std::string proposal = source.substr(0, source.size() - name.size()) + name.substr(0, name.find('.')) + "_convert";
    if (lastDot != std::string::npos) proposal += name.substr(lastDot);
    return proposal;
}

const std::vector<ConvertTarget>& ConvertTargets() {
    static const std::vector<ConvertTarget> targets = {
        {ids::kTarget80xx, BatchModel::M8000, "80xx"},
        {ids::kTarget83xx, BatchModel::M8300, "83xx"},
        {ids::kTarget85xx, BatchModel::M8500, "85xx"},
        {ids::kTarget84xx, BatchModel::M8400, "84xx"},
    };
    return targets;
}

ConvertPage::ConvertPage(common::UiPort& ui, std::string programFolder)
    : ui_(ui), programFolder_(std::move(programFolder)) {}

void ConvertPage::SetSource(const std::string& path) {
    source_ = path;
    destination_ = ProposedDestination(path);
}

void ConvertPage::SetDestination(const std::string& path) { destination_ = path; }

void ConvertPage::SelectTarget(int position) {
    if (position >= 0 && position < static_cast<int>(ConvertTargets().size())) target_ = position;
}

void ConvertPage::ChooseSource() {
    common::FileChooser chooser;
    chooser.filters = {Filter(ids::kFilterA85, ids::kPatternA85), Filter(ids::kFilterUzx, ids::kPatternUzx),
                       Filter(ids::kFilterAtf, ids::kPatternAtf), Filter(ids::kFilterAll, ids::kPatternAll)};
    chooser.selectedFilter = kAllFilesFilter;
    chooser.initialPath = programFolder_;
    if (const auto path = ui_.ChooseOpenFile(chooser)) SetSource(*path);
}

void ConvertPage::ChooseDestination() {
    common::FileChooser chooser;
    chooser.title = LoaderText(ids::kSaveTitle);
    chooser.filters = {Filter(ids::kFilterAll, ids::kPatternAll)};
    if (const auto path = ui_.ChooseSaveFile(chooser)) SetDestination(*path);
}

ConvertOutcome ConvertPage::Convert() {
    if (!source_) {
        ShowError(LoaderText(ids::kNoSourceChosen));
        return {};
    }
    if (!destination_) {
        ShowError(LoaderText(ids::kNoDestinationChosen));
        return {};
    }
    switch (ConvertKindOf(*source_)) {
        case FileKind::Radio: return ConvertRadio();
        case FileKind::Batch: return ConvertBatch();
        case FileKind::Unknown: break;
    }
    ShowError(LoaderText(ids::kUnknownFileKind));
    return {};
}

void ConvertPage::ShowError(const std::string& text) {
    ui_.ShowMessage(LoaderText(ids::kConvertCaption), text, common::MessageIcon::Error);
}

bool ConvertPage::WriteDestination(const std::vector<Byte>& bytes) {
    if (ReplaceFileBytes(*destination_, bytes)) {
        ui_.ShowMessage(LoaderText(ids::kConvertCaption), LoaderText(ids::kConverted), common::MessageIcon::Information);
        return true;
    }
    ShowError(LoaderText(ids::kCannotReadOrWrite));
    return false;
}

ConvertOutcome ConvertPage::ConvertRadio() {
    ConvertOutcome outcome;
    outcome.kind = FileKind::Radio;
    common::WholeFile source = common::ReadWholeFile(*source_, kMaxRadioSourceSize);
    if (source.status == common::WholeFileStatus::TooLarge) {
        ShowError(LoaderTextWith(ids::kFileTooLarge, common::NativePathToCp1251(*source_)));
        return outcome;
    }
    if (source.status != common::WholeFileStatus::Ok) {
        ShowError(LoaderText(ids::kCannotReadOrWrite));
        return outcome;
    }
    outcome.sourceBytes.assign(source.bytes.begin(), source.bytes.end());
    outcome.written = WithRadioPrefix(outcome.sourceBytes, ConvertTargets()[target_].radioPrefix);
    if (outcome.written.empty()) {
        ShowError(LoaderTextWith(ids::kFileTooShort, common::NativePathToCp1251(*source_)));
        return outcome;
    }
    outcome.converted = WriteDestination(outcome.written);
    return outcome;
}

ConvertOutcome ConvertPage::ConvertBatch() {
    ConvertOutcome outcome;
    outcome.kind = FileKind::Batch;
    outcome.source = ReadTaskFile(*source_, ui_);
    if (!outcome.source) return outcome;
    outcome.written = EncodeBatchFile(*outcome.source, ConvertTargets()[target_].model);
    outcome.converted = WriteDestination(outcome.written);
    return outcome;
}

}  // namespace loader
