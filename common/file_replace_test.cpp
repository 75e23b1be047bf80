#include "common/file_replace.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "testing/failing_file_calls.h"
#include "testing/temp_folder.h"

namespace common {
namespace {

using test_support::FailingFileCalls;
using test_support::TempFolder;

// The names in the folder: a failed replacement leaves no temporary file behind.
std::vector<std::string> Names(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(FileReplace, EveryFailingWriteFlushOrRenameKeepsTheOldFile) {
    TempFolder folder;
    folder.Write("task.UZX", "old content");
    const std::string path = folder.File("task.UZX");
    const auto save = [&] { return ReplaceFileContents(path, "new content, longer than the old"); };

    const int points = test_support::CountFailurePoints(save);
    EXPECT_EQ(points, 3);  // one write, the flush, the rename
    folder.Write("task.UZX", "old content");
    const char* const failures[] = {"cannot write the file", "cannot flush the file to the disk",
                                    "cannot replace the file"};
    for (int point = 1; point <= points; ++point) {
        SCOPED_TRACE(point);
        FailingFileCalls failing(point);
        FileCallsOverride active(failing);
        const ReplaceResult result = save();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, std::string(failures[point - 1]) + ": no space left on the test's disk");
        EXPECT_EQ(folder.Read("task.UZX"), "old content");
        EXPECT_EQ(Names(folder), std::vector<std::string>{"task.UZX"});
    }
    EXPECT_TRUE(save().ok);
    EXPECT_EQ(folder.Read("task.UZX"), "new content, longer than the old");
}

TEST(FileReplace, PiecesAfterAFailedOneAreRefusedAndNothingIsCommitted) {
    TempFolder folder;
    folder.Write("data.txt", "kept");
    FailingFileCalls failing(2);
    FileCallsOverride active(failing);
    FileReplacement replacement(folder.File("data.txt"));
    EXPECT_TRUE(replacement.Append("one\r\n"));
    EXPECT_FALSE(replacement.Append("two\r\n"));
    EXPECT_FALSE(replacement.Append("three\r\n"));
    EXPECT_EQ(failing.Points(), 2);  // the third piece was not even tried
    const ReplaceResult result = replacement.Commit();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "cannot write the file: no space left on the test's disk");
    EXPECT_EQ(folder.Read("data.txt"), "kept");
}

TEST(FileReplace, AnUncommittedReplacementLeavesNoTrace) {
    TempFolder folder;
    folder.Write("data.txt", "kept");
    {
        FileReplacement replacement(folder.File("data.txt"));
        EXPECT_TRUE(replacement.Append("never committed"));
    }
    EXPECT_EQ(folder.Read("data.txt"), "kept");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"data.txt"});
}

TEST(FileReplace, AFolderThatIsNotThereIsToldAndNothingIsWritten) {
    TempFolder folder;
    FileReplacement replacement(folder.File("missing/data.txt"));
    EXPECT_FALSE(replacement.Good());
    EXPECT_FALSE(replacement.Append("x"));
    const ReplaceResult result = replacement.Commit();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.rfind("cannot create a file in the folder: ", 0), 0u) << result.error;
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
}

}  // namespace
}  // namespace common
