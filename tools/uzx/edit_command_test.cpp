// uzx edit on real files: what it prints, its exit status and the bytes it writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "tools/uzx/run_uzx.h"

namespace {

using namespace task::form;
using task::testing::ReadBytes;

constexpr std::size_t kFormsOffset = 10 + 2 + 23 + 10 * 350;  // the signature, then the blocks before the forms

class EditCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        in = folder.File("in.UZX");
        out = folder.File("out.UZX");
        ASSERT_TRUE(task::WriteTaskFile(in, task::testing::FreshTask()).ok);
    }

    // Runs uzx edit IN OUT with `script` from a file (or from stdin): the exit status; stdout in `output`.
    int Edit(const std::string& script, bool fromStdin = false) {
        const std::string scriptPath = folder.File("edit.script");
        std::ofstream(scriptPath, std::ios::binary) << script;
        const uzx::testing::RunResult run =
            uzx::testing::RunUzx({"edit", in, out, "--script", fromStdin ? "-" : scriptPath},
                                 folder.File("stderr.txt"), fromStdin ? scriptPath : std::string());
        output = run.out;
        errors = run.err;
        return run.status;
    }

    std::uint8_t FormByte(const std::vector<std::uint8_t>& file, int form, std::size_t offset) {
        return file.at(kFormsOffset + static_cast<std::size_t>(form) * 1215 + offset);
    }

    test_support::TempFolder folder;
    std::string in, out, output, errors;
};

TEST_F(EditCommandTest, OkWritesTheEditedTaskAndSaysItIsModified) {
    EXPECT_EQ(Edit("# form 3, line 2\n"
                   "choose 451 2\n"
                   "choose 402 2\n"
                   "set 302 Количество на складе, шт\n"
                   "set 322 99999999999\n"
                   "choose 456 6\n"
                   "ok\n"),
              0)
        << errors;
    EXPECT_EQ(output, "modified=1\n");
    const std::vector<std::uint8_t> file = ReadBytes(out);
    ASSERT_EQ(file.size(), 18954u);
    EXPECT_EQ(FormByte(file, 2, kFieldType + 1), kInteger);
    const std::vector<std::uint8_t> prompt(file.begin() + static_cast<long>(kFormsOffset + 2 * 1215 + kPrompt + 21),
                                           file.begin() + static_cast<long>(kFormsOffset + 2 * 1215 + kPrompt + 42));
    EXPECT_EQ(prompt, (std::vector<std::uint8_t>{0xCA, 0xEE, 0xEB, 0xE8, 0xF7, 0xE5, 0xF1, 0xF2, 0xE2, 0xEE, ' ', 0xED,
                                                 0xE0, ' ', 0xF1, 0xEA, 0xEB, 0xE0, 0xE4, 0xE5, 0}))
        << "\"Количество на складе\", cut to twenty characters";
    EXPECT_EQ(FormByte(file, 2, kMaxLength + 1), 80);
    EXPECT_EQ(FormByte(file, 2, kRecordAction), 6);
    EXPECT_EQ(FormByte(file, 0, kRecordAction), 0);
}

TEST_F(EditCommandTest, CancelStillWritesTheTaskUnchanged) {
    EXPECT_EQ(Edit("choose 401 1\nset 301 Lost\ncancel\n", true), 0) << errors;
    EXPECT_EQ(output, "modified=0\n");
    EXPECT_EQ(ReadBytes(out), ReadBytes(in));
    // A script that leaves the sheet open ends as Cancel does.
    EXPECT_EQ(Edit("choose 401 1\n"), 0);
    EXPECT_EQ(output, "modified=0\n");
    EXPECT_EQ(ReadBytes(out), ReadBytes(in));
}

// A line's prefix picked in the grid, a GS1 part refused once for its short
// code, a summation key: the bytes of the line and of the key as worked out
// by hand.
TEST_F(EditCommandTest, TheFieldDialogsAndTheGridWriteTheirBytes) {
    EXPECT_EQ(Edit("choose 402 1\n"
                   "click 202\n"
                   "click 103\n"
                   "click 303\n"
                   "grid 0x1b\n"
                   "grid 65\n"
                   "grid 13\n"
                   "click 1\n"
                   "click 106\n"
                   "click 1044\n"
                   "ok\n"
                   "set 1013 01\n"
                   "ok\n"
                   "click 211\n"
                   "choose 402 12\n"
                   "click 4\n"
                   "choose 1017 2\n"
                   "click 1011\n"
                   "choose 1018 4\n"
                   "ok\n"
                   "ok\n"
                   "ok\n"),
              0)
        << errors;
    EXPECT_EQ(output, "message Предупреждение|Слишком короткий код GS1 (минимум 2 символа)\nmodified=1\n");
    const std::vector<std::uint8_t> file = ReadBytes(out);
    EXPECT_EQ(FormByte(file, 0, kHasPrefix + 1), 1);
    EXPECT_EQ(FormByte(file, 0, kPrefix + 10), 0x1B);
    EXPECT_EQ(FormByte(file, 0, kPrefix + 11), 0x41);
    EXPECT_EQ(FormByte(file, 0, kPrefix + 12), 0);
    EXPECT_EQ(FormByte(file, 0, kPartialMode + 1), 2);
    EXPECT_EQ(FormByte(file, 0, kGs1Identifier + 4), '0');
    EXPECT_EQ(FormByte(file, 0, kGs1Identifier + 5), '1');
    EXPECT_EQ(FormByte(file, 0, kGs1Identifier + 6), 0);
    EXPECT_EQ(FormByte(file, 0, kFnTarget + 1), 12);
    EXPECT_EQ(FormByte(file, 0, kFnSummation + 1), 0x52);
}

TEST_F(EditCommandTest, ADialogsOkIsUndoneByTheSheetsCancel) {
    EXPECT_EQ(Edit("click 210\nchoose 401 2\nok\ncancel\n"), 0) << errors;
    EXPECT_EQ(output, "modified=0\n");
    EXPECT_EQ(ReadBytes(out), ReadBytes(in));
}

TEST_F(EditCommandTest, AFailingLineStopsTheRunAndNothingIsWritten) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"choose 401 1\nset 999 x\nok\n", "uzx edit: script line 2: there is no control 999 in FORMDLG\n"},
        {"\nset 311 4\nok\n", "uzx edit: script line 2: control 311 is disabled in FORMDLG\n"},
        {"choose 452 2\n", "uzx edit: script line 1: control 452 has no such item in FORMDLG\n"},
        {"expect 301 enabled\n", "uzx edit: script line 1: control 301 is disabled\n"},
        {"ok\nexpect 301 disabled\n", "uzx edit: script line 2: the property sheet is closed\n"},
        {"press 210\n", "uzx edit: script line 1: unknown action \"press\"\n"},
        {"grid 0x41\n", "uzx edit: script line 1: there is no grid in FORMDLG\n"},
        {"choose 401 1\nclick 201\nclick 103\nclick 303\ngrid 0x100\n",
         "uzx edit: script line 5: there is no key code 256 in the grid\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(out);
        EXPECT_EQ(Edit(c.script), 2) << c.script;
        EXPECT_EQ(errors, c.error);
        EXPECT_EQ(output, "") << c.script;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.script;
    }
}

TEST_F(EditCommandTest, AnUnreadableTaskFileGetsTheDesignersMessage) {
    task::testing::WriteBytes(in, std::vector<std::uint8_t>(18954, 'x'));
    EXPECT_EQ(Edit("ok\n"), 1);
    EXPECT_EQ(output, "message Error|Format mismatch !!!\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    in = folder.File("missing.UZX");
    EXPECT_EQ(Edit("ok\n"), 1);
    EXPECT_NE(errors.find("cannot open"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
