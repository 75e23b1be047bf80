#include "designer/shell/transfer_commands.h"

#include <gtest/gtest.h>

#include "designer/shell/transfer_commands_test_support.h"

namespace shell {
namespace {

using TransferCommandsTest = testing::TransferCommandsRig;

// Whatever ports the system has: not even the port is looked for.
TEST_F(TransferCommandsTest, UnknownLinkTypesDoNothing) {
    Choose(7, 5, 0, 2);
    transfers.DownloadApplication();
    transfers.DownloadLookupFile();
    transfers.ReceiveData();
    EXPECT_TRUE(pair.host().ops.empty());
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
}  // namespace shell
