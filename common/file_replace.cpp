#include "common/file_replace.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace common {

FileReplacement::FileReplacement(std::string target) : calls_(ActiveFileCalls()), target_(std::move(target)) {
    file_ = calls_.CreateBeside(target_, temporary_);
    if (!file_) Fail("cannot create a file in the folder");
}

FileReplacement::~FileReplacement() {
    if (committed_ || temporary_.empty()) return;
    file_.reset();
    calls_.Remove(temporary_);
}

bool FileReplacement::Fail(const char* what) {
    if (error_.empty()) error_ = std::string(what) + ": " + calls_.LastError();
    return false;
}

bool FileReplacement::Append(std::string_view bytes) {
    if (!Good()) return false;
    return file_->Write(bytes) || Fail("cannot write the file");
}

ReplaceResult FileReplacement::Commit() {
    if (Good() && !file_->Flush()) Fail("cannot flush the file to the disk");
    if (Good() && !file_->Close()) Fail("cannot close the file");
    if (Good() && !calls_.Rename(temporary_, target_)) Fail("cannot replace the file");
    committed_ = Good();
    return {committed_, error_};
}

std::string FileReplacement::KeepTemporary() {
    file_.reset();
    committed_ = true;
    return temporary_;
}

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view content) {
    FileReplacement replacement(path);
    replacement.Append(content);
    return replacement.Commit();
}

ReplaceResult CheckReplaceable(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return {false, "it is a folder"};
    // A replacement that is given up removes its temporary file.
    const FileReplacement probe(path);
    if (!probe.Good()) return {false, probe.Error()};
    return {true, {}};
}

}  // namespace common
