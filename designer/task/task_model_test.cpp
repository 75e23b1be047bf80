#include "designer/task/task_model.h"

#include <gtest/gtest.h>

namespace task {
namespace {

TEST(TextTables, OffsetsFollowTheTableSizes) {
    EXPECT_EQ(TextTableOffset(1), 0u);
    EXPECT_EQ(TextTableOffset(2), 64u);
    EXPECT_EQ(TextTableOffset(3), 128u);
    EXPECT_EQ(TextTableOffset(4), 296u);
    EXPECT_EQ(TextOffset(27, 2), kTerminalTextsSize - kWideSlot);
}

}  // namespace
}  // namespace task
