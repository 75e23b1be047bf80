// uzx edit over the Barcode and Startup pages on real files: the bytes of
// the barcode, start-up, weight-code and text blocks it writes, its
// messages and whether the task is marked modified.
#include <gtest/gtest.h>

#include <fstream>

#include "designer/task/task_file.h"
#include "designer/task/terminal_texts_view.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "tools/uzx/run_uzx.h"

namespace {

using task::testing::ReadBytes;
using Bytes = std::vector<std::uint8_t>;

class EditBarcodeAndStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        in = folder.File("in.UZX");
        out = folder.File("out.UZX");
        ASSERT_TRUE(task::WriteTaskFile(in, task::testing::FreshTask()).ok);
    }

    // Runs the script; the exit status, stdout in `output`, the written file in `file`.
    int Edit(const std::string& script) {
        const std::string scriptPath = folder.File("edit.script");
        std::ofstream(scriptPath, std::ios::binary) << script;
        const uzx::testing::RunResult run =
            uzx::testing::RunUzx({"edit", in, out, "--script", scriptPath}, folder.File("stderr.txt"));
        output = run.out;
        errors = run.err;
        file = ReadBytes(out);
        return run.status;
    }

    Bytes Block(std::size_t offset, std::size_t size) const {
        return Bytes(file.begin() + static_cast<long>(offset), file.begin() + static_cast<long>(offset + size));
    }
    Bytes Barcode() const { return Block(task::file::kBarcode, task::kBarcodeSettingsSize); }
    std::uint8_t Startup(std::size_t offset) const { return file.at(task::file::kStartup + offset); }
    Bytes Text(int table, int entry) const {
        return Block(task::file::kTexts + task::TextOffset(table, entry), task::kTextTables[table - 1].slot);
    }

    test_support::TempFolder folder;
    std::string in, out, output, errors;
    Bytes file;
};

Bytes Slot(const std::string& text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, 0);
    return bytes;
}

TEST_F(EditBarcodeAndStartupTest, DialogsKeepTheirWritesWhenTheSheetIsCancelled) {
    ASSERT_EQ(Edit("page BARCODESETTINGDLG\n"
                   "click 101\n"     // Code 39 off: the page, lost with the sheet's Cancel
                   "click 204\n"     // Industrial25Dlg
                   "set 301 40\n"
                   "set 302 50\n"
                   "ok\n"
                   "click 217\n"     // EAN128Dlg
                   "set 302 35\n"
                   "ok\n"
                   "click 219\n"     // WEIGHTCODE
                   "click 101\n"
                   "set 301 4\n"
                   "choose 403 0\n"
                   "ok\n"
                   "cancel\n"),
              0)
        << errors;
    EXPECT_EQ(output, "modified=1\n");
    EXPECT_EQ(Barcode(), (Bytes{0x9B, 0xC9, 0x00, 0x3F, 0x88, 0x2D, 0x54, 0x80, 0x00, 0x19, 0x3D, 0x00,
                                0x9F, 0x1F, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0xC0}))
        << "Industrial 25 at most 31, its minimum at most that";
    EXPECT_EQ(Startup(task::startup::kFieldReplacement), '#');
    EXPECT_EQ(Block(task::file::kWeightCode, task::kWeightCodeSettingsSize),
              (Bytes{0xDA, 0xAB, 0x01, 0x00, ' ', '4', 7, 0, 2, 0, 1, 0}));
}

TEST_F(EditBarcodeAndStartupTest, ADialogsCancelWritesNothing) {
    ASSERT_EQ(Edit("page BARCODESETTINGDLG\nclick 201\nclick 101\ncancel\ncancel\n"), 0) << errors;
    EXPECT_EQ(output, "modified=0\n");
    EXPECT_EQ(file, ReadBytes(in));
}

TEST_F(EditBarcodeAndStartupTest, CodeIdsFromAPresetAndTheGrid) {
    ASSERT_EQ(Edit("page BARCODESETTINGDLG\n"
                   "click 218\n"  // CODEIDDLG
                   "click 101\n"
                   "click 201\n"  // Set 1
                   "click 315\n"  // Plessey: W, then two codes more
                   "grid 0x1B\n"
                   "grid 0x31\n"
                   "ok\n"
                   "click 301\n"  // Code 39: a variable after A is refused
                   "grid 0x1D\n"
                   "ok\n"
                   "ok\n"
                   "cancel\n"),
              0)
        << errors;
    EXPECT_EQ(output,
              "message Error|Too many characters !!!\n"
              "message Error|Too many characters !!!\n"
              "modified=1\n");
    EXPECT_EQ(Block(task::file::kStartup + task::startup::kCodeIdEnabled, 31),
              (Bytes{1,   'A', 0, 'A', 0, 'A', 0, 'C', 0, 'D', 0, 'E', 0, 'F', 0, 'I', 0,
                     'H', 0,   'S', 0, 'P', 0, 'M', 0, 'J', 0, 'V', 0, 'W', 0x1B}));
}

TEST_F(EditBarcodeAndStartupTest, StartupBytesAndTexts) {
    ASSERT_EQ(Edit("page STARTUPDLG\n"
                   "choose 451 1\n"
                   "choose 401 2\n"
                   "set 303 ;\n"
                   "set 302 13\n"
                   "set 304 |\n"
                   "choose 410 2\n"
                   "set 312 Удалить всё?\n"
                   "ok\n"),
              0)
        << errors;
    EXPECT_EQ(output, "message Warning|Invalid value!\nmodified=1\n");
    EXPECT_EQ(Startup(1), 1);
    EXPECT_EQ(Startup(2), ';');
    EXPECT_EQ(Startup(3), '|');
    EXPECT_EQ(Text(4, 1), (Bytes{0xD3, 0xE4, 0xE0, 0xEB, 0xE8, 0xF2, 0xFC, ' ', 0xE2, 0xF1, 0xB8, '?', 0, 0, 0, 0}));
}

TEST_F(EditBarcodeAndStartupTest, ImportTakesTheTextsOfTheFileChosen) {
    task::TaskModel other = task::testing::FreshTask();
    task::TerminalTextsView(other.texts).SetText(2, 0, "Sammeln");
    other.startup[task::startup::kLargeFontScreens] = 1;
    const std::string otherPath = folder.File("other task.UZX");
    ASSERT_TRUE(task::WriteTaskFile(otherPath, other).ok);
    const std::string foreign = folder.File("notes.txt");
    std::ofstream(foreign) << "not a task";

    ASSERT_EQ(Edit("page STARTUPDLG\n"
                   "file " + foreign + "\n"
                   "click 201\n"
                   "file " + otherPath + "\n"
                   "click 201\n"
                   "expect 311 text Sammeln\n"
                   "expect 101 checked\n"
                   "ok\n"),
              0)
        << errors;
    EXPECT_EQ(output, "message Error|Format mismatch !!!\nmodified=1\n");
    EXPECT_EQ(Text(2, 0), Slot("Sammeln", 16));
    EXPECT_EQ(Startup(task::startup::kLargeFontScreens), 1);
}

}  // namespace
