// The virtual terminal's command line: the values every model needs, and
// what it refuses.
#include "tools/vterm/options.h"

#include <gtest/gtest.h>

namespace vterm {
namespace {

bool Parses(const std::vector<std::string>& args, Options& options) {
    std::string error;
    return ParseOptions(args, options, error);
}

TEST(VtermOptions, AnyModelsReplyAndBlockCount) {
    Options options;
    ASSERT_TRUE(Parses({"--firmware", "80xxRU102-EXTRA", "--blocks", "182", "--image-out", "got"}, options));
    EXPECT_EQ(options.terminal.firmware, "80xxRU102-EXTRA");
    EXPECT_EQ(options.terminal.blocks, 182);
    EXPECT_EQ(options.imageOut, "got");

    Options defaults;
    ASSERT_TRUE(Parses({}, defaults));
    EXPECT_EQ(defaults.terminal.firmware, "8300RU004");
    EXPECT_EQ(defaults.terminal.blocks, 200);
}

TEST(VtermOptions, RefusesWhatNoHostCouldRead) {
    const auto parses = [](const std::vector<std::string>& args) {
        Options options;
        return Parses(args, options);
    };
    EXPECT_FALSE(parses({"--firmware", "80xxRU102-EXTRA1"})) << "16 characters and the CR: too long";
    EXPECT_FALSE(parses({"--blocks", "0"}));
    EXPECT_FALSE(parses({"--blocks", "201"})) << "block numbers are one byte, and no image is longer";
    EXPECT_FALSE(parses({"--blocks", "50", "--task-out", "t.UZX"})) << "a task file wants 200 blocks";
    EXPECT_TRUE(parses({"--blocks", "200", "--task-out", "t.UZX"}));
}

}  // namespace
}  // namespace vterm
