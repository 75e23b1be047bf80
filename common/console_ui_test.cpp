// The command line's UI port: what a user reading stderr sees, and how an
// interrupt becomes the progress window's Cancel.
#include "common/console_ui.h"

#include <iostream>
#include <sstream>

#include <gtest/gtest.h>

namespace common {
namespace {

// Collects what is written to stderr while it lives.
class CapturedErrors {
public:
    CapturedErrors() : old_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(old_); }
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* old_;
};

TEST(ConsoleUi, ProgressTellsEachNewTextAndHearsTheStopFlag) {
    volatile std::sig_atomic_t stop = 0;
    ConsoleUi ui;
    ui.tellsProgress = true;
    ui.stopFlag = &stop;
    CapturedErrors errors;
    auto progress = ui.OpenProgress({"Progress", "Opening COM7...", "ProgressDlg", 901, 870});
    progress->SetText("Waiting for the terminal on COM7 (attempt 1 of 3)...");
    progress->SetText("Waiting for the terminal on COM7 (attempt 1 of 3)...");
    progress->SetPosition(50);
    EXPECT_EQ(errors.Text(), "Opening COM7...\nWaiting for the terminal on COM7 (attempt 1 of 3)...\n");
    EXPECT_FALSE(progress->CancelRequested());
    stop = 1;
    EXPECT_TRUE(progress->CancelRequested());

    // Without a flag nothing can stop it; unless asked to tell, it is silent.
    ConsoleUi plain;
    CapturedErrors quiet;
    auto silent = plain.OpenProgress({"Progress", "Opening COM7...", "ProgressDlg", 901, 870});
    silent->SetText("Waiting for the terminal on COM7 (attempt 1 of 3)...");
    EXPECT_FALSE(silent->CancelRequested());
    EXPECT_EQ(quiet.Text(), "");
}

TEST(ConsoleUi, MessagesKeepTheirCaptionsAndGetPlainLineBreaks) {
    ConsoleUi ui;
    CapturedErrors errors;
    ui.ShowMessage("Error", "Terminal is not ready!\r\nPort: COM7", MessageIcon::Warning);
    EXPECT_EQ(errors.Text(), "Error: Terminal is not ready!\nPort: COM7\n");
    EXPECT_EQ(ui.warnings, 1);
}

}  // namespace
}  // namespace common
