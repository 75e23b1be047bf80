#include "designer/task/terminal_texts_view.h"

#include <gtest/gtest.h>

#include "designer/task/view_test_support.h"

namespace task {
namespace {

using testing::OffsetIn;

TEST(TerminalTextsView, EntriesFollowTheTableSizes) {
    TerminalTexts texts{};
    const TerminalTextsView view(texts);
    EXPECT_EQ(OffsetIn(texts, view.EntrySlot(1, 0)), 0u);
    EXPECT_EQ(OffsetIn(texts, view.EntrySlot(2, 1)), 64u + 16);
    EXPECT_EQ(OffsetIn(texts, view.EntrySlot(3, 0)), 128u);
    EXPECT_EQ(view.EntrySlot(3, 0).size(), 21u);
    EXPECT_EQ(OffsetIn(texts, view.EntrySlot(4, 0)), 128u + 8 * 21);
    EXPECT_EQ(OffsetIn(texts, view.EntrySlot(27, 2)), 2468u - 21);

    view.SetText(2, 0, "1.Collect data, all of it");
    EXPECT_EQ(view.Text(2, 0), "1.Collect data,") << "a 16-byte entry holds 15 characters";
    EXPECT_EQ(texts[64 + 15], 0);
}

TEST(TerminalTextsView, AnEntryThatDoesNotExistReadsEmpty) {
    TerminalTexts texts;
    texts.fill('X');
    const ConstTerminalTextsView view(texts);
    EXPECT_EQ(view.Text(2, 3), std::string(15, 'X'));
    EXPECT_EQ(view.Text(2, 4), "") << "table 2 has four entries";
    EXPECT_EQ(view.Text(0, 0), "");
    EXPECT_EQ(view.Text(28, 0), "");
    EXPECT_EQ(view.Text(3, -1), "");
}

}  // namespace
}  // namespace task
