#include "designer/task/task_file.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "common/file_replace.h"
#include "designer/task/form_view.h"
#include "designer/task/older_layout.h"
#include "designer/task/startup_view.h"

namespace task {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kSameModel = "8300RU";      // any firmware revision of this model
constexpr std::string_view kEarlierDesigner = "8300-1.00";
constexpr std::string_view kOlderSignatures[] = {"7xx-4.00", "7xx-3.10"};
constexpr std::size_t kSignatureSize = 10;

enum class Layout { Current, Older, Unknown, Incomplete };

// What the first bytes say. Incomplete: the bytes there agree with an
// accepted signature but the file ends before the signature does.
Layout RecognizeSignature(const Bytes& bytes) {
    const std::string_view head(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const auto matches = [&](std::string_view signature) {
        const std::size_t n = std::min(head.size(), signature.size());
        return head.substr(0, n) == signature.substr(0, n);
    };
    bool incomplete = false;
    const auto check = [&](std::string_view signature, std::size_t needed) {
        if (!matches(signature)) return false;
        if (head.size() < needed) {
            incomplete = true;
            return false;
        }
        return true;
    };
    if (check(kSameModel, kSignatureSize) || check(kEarlierDesigner, kSignatureSize)) return Layout::Current;
    for (std::string_view older : kOlderSignatures) {
        if (check(older, kOlderSignatureSize)) return Layout::Older;
    }
    return incomplete || head.empty() ? Layout::Incomplete : Layout::Unknown;
}

// Visits every block after the signature with its offset in the file, in file
// order, so reading and writing cannot disagree about the layout.
template <typename Model, typename Visit>
void ForEachBodyBlock(Model& model, Visit visit) {
    visit(file::kReserved, model.reserved);
    visit(file::kBarcode, model.barcode);
    for (int m = 0; m < kMenuCount; ++m) visit(file::kMenus + m * kMenuRecordSize, model.menus[m]);
    for (int f = 0; f < kFormCount; ++f) visit(file::kForms + f * kFormRecordSize, model.forms[f]);
    for (int l = 0; l < kLookupCount; ++l) visit(file::kLookups + l * kLookupRecordSize, model.lookups[l]);
    visit(file::kTexts, model.texts);
    visit(file::kTerminal, model.terminal);
    visit(file::kStartup, model.startup);
    visit(file::kWeightCode, model.weightCode);
}

void ReadCurrentBlocks(const Bytes& bytes, TaskModel& model) {
    WriteFirmwareId(model);
    ForEachBodyBlock(model, [&](std::size_t offset, auto& block) {
        std::copy_n(&bytes[offset], block.size(), block.begin());
    });
}

// Earlier designer versions kept the vibrator duration one byte lower.
void RepairVibratorDuration(TaskModel& model) {
    const StartupView s(model.startup);
    if (s.VibratorDuration() == 0) {
        s.SetVibratorDuration(s.OldVibratorDuration());
        s.SetOldVibratorDuration(0);
    }
}

// Brings an earlier layout revision up to date; returns whether any step ran.
bool UpgradeRevision(TaskModel& model, const DefaultTexts& texts) {
    const StartupView s(model.startup);
    const Byte revision = s.LayoutRevision();
    if (revision < 2) {
        s.SetModemSpeed(0);
        const Slot phone = s.DownloadPhoneSlot();
        std::fill(phone.begin(), phone.end(), Byte{0});
        s.SetKeyClick(2);
        s.SetGoodReadBeep(1);
        s.SetWarningBeep(2);
        // The protected sounds and the bytes after them up to the texts.
        std::fill_n(&model.startup[startup::kProtectedSounds], 10, Byte{0});
        SetExtraTexts(model, texts, s.LargeFontScreens() != 0);
        s.SetLayoutRevision(2);
    }
    if (revision < 3) {
        ResetWeightCodeDefaults(model);
        s.SetLayoutRevision(3);
    }
    if (revision < 4) {
        for (FormRecord& f : model.forms) FormView(f).SetOnErrorTarget(0);
        s.SetLayoutRevision(4);
    }
    return revision < startup::kCurrentRevision;
}

}  // namespace

Bytes EncodeTaskFile(const TaskModel& model) {
    Bytes bytes(kTaskFileSize, 0);
    std::copy(model.firmwareId.begin(), model.firmwareId.end(), &bytes[file::kSignature]);
    ForEachBodyBlock(model, [&](std::size_t offset, const auto& block) {
        std::copy(block.begin(), block.end(), &bytes[offset]);
    });
    return bytes;
}

ReadResult DecodeTaskFile(const Bytes& bytes, const DefaultTexts& texts, TaskModel& out) {
    ReadResult result;
    switch (RecognizeSignature(bytes)) {
        case Layout::Unknown:
            result.status = ReadStatus::FormatMismatch;
            return result;
        case Layout::Incomplete:
            result.status = ReadStatus::TooShort;
            return result;
        case Layout::Current: {
            if (bytes.size() < kTaskBodyEnd) {
                result.status = ReadStatus::TooShort;
                return result;
            }
            // Read into a fresh model and keep the caller's until all is there.
            TaskModel model = out;
            ReadCurrentBlocks(bytes, model);
            RepairVibratorDuration(model);
            result.upgraded = UpgradeRevision(model, texts);
            out = model;
            result.status = ReadStatus::Ok;
            return result;
        }
        case Layout::Older: {
            if (bytes.size() < kOlderFileSize) {
                result.status = ReadStatus::TooShort;
                return result;
            }
            // What no conversion rule names holds the defaults of a new task.
            TaskModel model;
            MakeNewTask(model, texts);
            ConvertOlderLayout(bytes, model);
            out = model;
            result.olderLayout = true;
            result.status = ReadStatus::Ok;
            return result;
        }
    }
    return result;
}

bool ReadTaskFileBytes(const std::string& path, Bytes& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    // Only the layout is read; a longer file's tail is never looked at.
    bytes.assign(kTaskBodyEnd, 0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // A path that opens but cannot be read (a folder, an I/O error) is not a
    // short task file: it fails like a file that cannot be opened.
    if (in.bad()) return false;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

ReadResult ReadTaskFile(const std::string& path, const DefaultTexts& texts, TaskModel& out) {
    Bytes bytes;
    if (!ReadTaskFileBytes(path, bytes)) return {};
    return DecodeTaskFile(bytes, texts, out);
}

WriteResult WriteTaskFile(const std::string& path, const TaskModel& model) {
    const Bytes bytes = EncodeTaskFile(model);
    const auto replaced = common::ReplaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return {replaced.ok, replaced.error};
}

std::string WithTaskExtension(std::string path) {
    const auto endsWithExtension = [&] {
        if (path.size() < 4) return false;
        const std::string_view tail(path.data() + path.size() - 4, 4);
        return tail[0] == '.' && (tail[1] == 'U' || tail[1] == 'u') && (tail[2] == 'Z' || tail[2] == 'z') &&
               (tail[3] == 'X' || tail[3] == 'x');
    };
    if (!endsWithExtension()) path += ".UZX";
    return path;
}

}  // namespace task
