// uzx edit over the Menu, Lookup and Settings pages and their dialogs: the
// bytes of the menu, lookup, start-up and terminal-settings blocks it writes,
// the messages it prints and whether the task counts as modified.
#include <gtest/gtest.h>

#include <fstream>

#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "tools/uzx/run_uzx.h"

namespace {

namespace file = task::file;
using Bytes = std::vector<std::uint8_t>;

class EditPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        in = folder.File("in.UZX");
        out = folder.File("out.UZX");
        ASSERT_TRUE(task::WriteTaskFile(in, task::testing::FreshTask()).ok);
    }

    // Runs the script; the written file's bytes, or none when the run failed.
    Bytes Edit(const std::string& script) {
        const std::string scriptPath = folder.File("edit.script");
        std::ofstream(scriptPath, std::ios::binary) << script;
        const uzx::testing::RunResult run =
            uzx::testing::RunUzx({"edit", in, out, "--script", scriptPath}, folder.File("stderr.txt"));
        output = run.out;
        EXPECT_EQ(run.status, 0) << run.err;
        return run.status == 0 ? task::testing::ReadBytes(out) : Bytes{};
    }

    // `count` bytes of the file from `offset`.
    static Bytes At(const Bytes& file, std::size_t offset, std::size_t count) {
        if (offset + count > file.size()) return {};
        return Bytes(file.begin() + static_cast<long>(offset), file.begin() + static_cast<long>(offset + count));
    }

    test_support::TempFolder folder;
    std::string in, out, output;
};

Bytes Text(const std::string& text, std::size_t slot) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(slot, 0);
    return bytes;
}

TEST_F(EditPagesTest, AMenuAndTheSeparateDataFiles) {
    const Bytes file = Edit("page MENUDLG\n"
                            "choose 451 2\n"
                            "click 101\n"
                            "set 311 Stock\n"
                            "set 301 Count\n"
                            "choose 401 4\n"
                            "set 302 Receipt\n"
                            "choose 402 12\n"
                            "choose 453 11\n"
                            "click 103\n"
                            "click 105\n"
                            "ok\n");
    EXPECT_EQ(output, "modified=1\n");
    const std::size_t menu = file::kMenus + 2 * 350;
    EXPECT_EQ(At(file, menu, 2), (Bytes{0, 1}));
    EXPECT_EQ(At(file, menu + 2, 21), Text("Stock", 21));
    EXPECT_EQ(At(file, menu + 23, 42), [] {
        Bytes items = Text("Count", 21);
        const Bytes second = Text("Receipt", 21);
        items.insert(items.end(), second.begin(), second.end());
        return items;
    }());
    EXPECT_EQ(At(file, menu + 233, 14), (Bytes{11, 4, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}))
        << "Esc, the ten targets, save caption, save selected item and pass down, forced on";
    EXPECT_EQ(At(file, file::kStartup + 4, 1), (Bytes{1}));
    EXPECT_EQ(At(file, file::kMenus, 350), At(task::testing::ReadBytes(in), file::kMenus, 350)) << "menu 1 untouched";
}

TEST_F(EditPagesTest, ADelimitedLookupFileAndTheCalculatorEntry) {
    const Bytes file = Edit("page LOOKUPDLG\n"
                            "choose 401 3\n"
                            "set 311 5\n"
                            "set 312 10\n"
                            "set 313 3\n"
                            "click 152\n"
                            "set 310 13\n"
                            "set 310 59\n"
                            "click 102\n"
                            "choose 402 1\n"
                            "choose 451 1\n"
                            "click 161\n"
                            "choose 401 1\n"
                            "set 309 40\n"
                            "set 301 3\n"
                            "set 311 20\n"
                            "ok\n");
    EXPECT_EQ(output, "message Warning|Invalid value!\nmodified=1\n");
    EXPECT_EQ(At(file, file::kLookups, 26),
              (Bytes{20, 3, 1, 1, 7, 18, 1, 1, 1, 1, 1, 5, 10, 3, 0, 0, 0, 0, 0, 59, 1, 3, 0, 1, 0, 0}));
    EXPECT_EQ(At(file, file::kLookups + 122, 26),
              (Bytes{40, 1, 0, 3, 1, 1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(At(file, file::kStartup + 150, 21), Text("9. Calculator       ", 21));
}

TEST_F(EditPagesTest, SystemSettingsSecurityAndFunctionKeys) {
    const Bytes file = Edit("page SETTINGSDLG\n"
                            "choose 401 4\n"
                            "set 301 5551234\n"
                            "choose 403 3\n"
                            "choose 405 1\n"
                            "set 303 25\n"
                            "choose 407 2\n"
                            "click 152\n"
                            "choose 408 5\n"
                            "choose 411 2\n"
                            "click 202\n"
                            "set 301 ab-12\n"
                            "click 113\n"
                            "click 101\n"
                            "expect 113 disabled\n"
                            "ok\n"
                            "click 204\n"
                            "click 101\n"
                            "choose 402 19\n"
                            "ok\n"
                            "ok\n");
    EXPECT_EQ(output, "message Warning|Invalid character!!!\nmodified=1\n");
    const std::size_t s = file::kStartup;
    EXPECT_EQ(At(file, s + 5, 1), (Bytes{4}));
    EXPECT_EQ(At(file, s + 6, 21), Text("5551234", 21));
    EXPECT_EQ(At(file, s + 27, 7), (Bytes{1, 0, 1, 5, 0, 2, 0})) << "download port .. entry duration";
    EXPECT_EQ(At(file, s + 34, 12), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(At(file, s + 46, 12), Text("ab12", 12));
    EXPECT_EQ(At(file, s + 58, 7), (Bytes{0, 19, 0, 0, 0, 0, 0}));
    EXPECT_EQ(At(file, s + 82, 1), (Bytes{1}));
    EXPECT_EQ(At(file, s + 115, 1), (Bytes{3}));
    EXPECT_EQ(At(file, s + 137, 6), (Bytes{5, 1, 2, 1, 0, 0})) << "closed by Settings, the key click stays protected";
    EXPECT_EQ(At(file, s + 257, 1), (Bytes{2}));
}

TEST_F(EditPagesTest, TheWedgeDialogWritesTheTaskEvenWhenTheSheetIsCancelled) {
    const Bytes file = Edit("page SETTINGSDLG\n"
                            "choose 404 3\n"
                            "click 203\n"
                            "choose 401 31\n"
                            "set 301 12\n"
                            "set 302 300\n"
                            "click 101\n"
                            "click 102\n"
                            "click 156\n"
                            "click 152\n"
                            "click 158\n"
                            "ok\n"
                            "cancel\n");
    EXPECT_EQ(output, "modified=1\n");
    EXPECT_EQ(At(file, file::kTerminal, 5), (Bytes{31, 0b0100'1101, 12, 255, 0}));
    const Bytes before = task::testing::ReadBytes(in);
    EXPECT_EQ(At(file, file::kStartup, 268), At(before, file::kStartup, 268)) << "the baud rate was cancelled";
    EXPECT_EQ(At(file, file::kTerminal + 5, 50), At(before, file::kTerminal + 5, 50));
}

}  // namespace
