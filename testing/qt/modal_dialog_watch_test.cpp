// A watch must turn every way a dialog test can go wrong into a failure, and
// never into a test that waits forever.
#include "testing/qt/modal_dialog_watch.h"

#include <QDialog>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace testing_qt {
namespace {

using namespace std::chrono_literals;

int RunModal(const char* name) {
    QDialog dialog;
    dialog.setObjectName(QString::fromLatin1(name));
    return dialog.exec();
}

TEST(ModalDialogWatch, ActsOnTheNamedDialog) {
    ModalDialogWatch watch("Wanted", [](QDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(RunModal("Wanted"), QDialog::Accepted);
    EXPECT_TRUE(watch.Handled());
}

TEST(ModalDialogWatch, AnotherDialogInItsPlaceIsClosedAndFails) {
    int result = -1;
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogWatch watch("Wanted", [](QDialog& dialog) { dialog.accept(); }, 50ms);
            result = RunModal("Stranger");
        },
        "did not open in time; the modal window is QDialog \"Stranger\"");
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(ModalDialogWatch, ADialogLeftOpenIsClosedAndFails) {
    int result = -1;
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDialogWatch watch("Wanted", [](QDialog&) {});
            result = RunModal("Wanted");
        },
        "was left open");
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(ModalDialogWatch, ADialogThatNeverOpensFails) {
    EXPECT_NONFATAL_FAILURE({ ModalDialogWatch watch("Wanted", [](QDialog&) {}); }, "never opened");
}

}  // namespace
}  // namespace testing_qt
