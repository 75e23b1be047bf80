#pragma once
// The system's file calls with one of them failing on purpose: the N-th
// write, flush or rename (counted together, from 1) fails as a full disk
// would. Put in place with common::FileCallsOverride, it lets a test show
// that a save failing at any point leaves the old file whole.
#include "common/file_calls.h"

namespace test_support {

class FailingFileCalls final : public common::FileCalls {
public:
    // `failAt` 0 fails nothing and only counts.
    explicit FailingFileCalls(int failAt = 0) : failAt_(failAt) {}

    // The writes, flushes and renames made so far.
    int Points() const { return points_; }
    bool Failed() const { return failAt_ != 0 && points_ >= failAt_; }

    std::unique_ptr<common::NewFile> CreateBeside(const std::string& target, std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    std::string LastError() override;

    // Counts one point; false when it is the one that fails.
    bool Pass();

private:
    int failAt_;
    int points_ = 0;
    bool lastFailed_ = false;
};

// How many writes, flushes and renames `save` makes when none fails.
template <typename Save>
int CountFailurePoints(Save save) {
    FailingFileCalls counting;
    common::FileCallsOverride active(counting);
    save();
    return counting.Points();
}

}  // namespace test_support
