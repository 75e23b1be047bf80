#include "designer/shell/transfer_commands.h"

#include <gtest/gtest.h>

#include "designer/shell/transfer_commands_test_support.h"

namespace shell {
namespace {

using test_support::ShownEvent;
using TransferCommandsTest = testing::TransferCommandsRig;

TEST_F(TransferCommandsTest, UnknownLinkTypesDoNothing) {
    Choose(7, 5, 0);
    transfers.DownloadApplication();
    transfers.DownloadLookupFile();
    transfers.ReceiveData();
    EXPECT_TRUE(pair.host().ops.empty());
    EXPECT_TRUE(ui.events.empty());

    Choose(7, 2, 0);
    transfers.ReceiveData();  // asks for the data file; cancelled
    ASSERT_EQ(ui.events.size(), 1u);
    EXPECT_EQ(ui.events[0].kind, ShownEvent::Kind::SaveChooser);
    EXPECT_TRUE(pair.host().ops.empty());
}

}  // namespace
}  // namespace shell
