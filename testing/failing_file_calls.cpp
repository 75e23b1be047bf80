#include "testing/failing_file_calls.h"

namespace test_support {
namespace {

class FailingNewFile final : public common::NewFile {
public:
    FailingNewFile(std::unique_ptr<common::NewFile> file, FailingFileCalls& calls)
        : file_(std::move(file)), calls_(calls) {}

    bool Write(std::string_view bytes) override { return calls_.Pass() && file_->Write(bytes); }
    bool Flush() override { return calls_.Pass() && file_->Flush(); }
    bool Close() override { return file_->Close(); }

private:
    std::unique_ptr<common::NewFile> file_;
    FailingFileCalls& calls_;
};

}  // namespace

bool FailingFileCalls::Pass() {
    ++points_;
    lastFailed_ = points_ == failAt_;
    return !lastFailed_;
}

std::unique_ptr<common::NewFile> FailingFileCalls::CreateBeside(const std::string& target, std::string& path) {
    auto file = common::SystemFileCalls().CreateBeside(target, path);
    if (!file) return nullptr;
    return std::make_unique<FailingNewFile>(std::move(file), *this);
}

bool FailingFileCalls::Rename(const std::string& from, const std::string& to) {
    return Pass() && common::SystemFileCalls().Rename(from, to);
}

void FailingFileCalls::Remove(const std::string& path) { common::SystemFileCalls().Remove(path); }

std::string FailingFileCalls::LastError() {
    return lastFailed_ ? "no space left on the test's disk" : common::SystemFileCalls().LastError();
}

}  // namespace test_support
