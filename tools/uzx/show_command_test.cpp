// uzx show on real task files: the field names and values a script reads,
// in JSON and as indented text.
#include <gtest/gtest.h>

#include <random>

#include "designer/task/form_view.h"
#include "designer/task/menu_view.h"
#include "designer/task/startup_view.h"
#include "designer/task/task_file.h"
#include "designer/task/test_support.h"
#include "testing/temp_folder.h"
#include "tools/uzx/json_reader.h"
#include "tools/uzx/test_support.h"

namespace {

using uzx::testing::Json;
using uzx::testing::JsonReader;
using uzx::testing::RunResult;
using Names = std::vector<std::string>;

class ShowCommandTest : public ::testing::Test {
protected:
    RunResult Uzx(const std::vector<std::string>& args) { return uzx::testing::RunUzx(args); }

    // Saves `model` and shows it as JSON; the document must parse.
    Json ShowJson(const task::TaskModel& model) {
        EXPECT_TRUE(task::WriteTaskFile(path, model).ok);
        return ParsedShow(path);
    }

    Json ParsedShow(const std::string& file) {
        const RunResult run = Uzx({"show", "--json", file});
        EXPECT_EQ(run.status, 0) << run.err;
        const std::optional<Json> json = JsonReader::Parse(run.out);
        EXPECT_TRUE(json.has_value()) << "not JSON:\n" << run.out;
        return json.value_or(Json{});
    }

    // A new task with a few fields a script would look for, in awkward bytes.
    static task::TaskModel CraftedTask() {
        task::TaskModel model = task::testing::FreshTask();
        const task::FormView form(model.forms[0]);
        form.SetType(1, task::form::kInteger);
        form.SetPrompt(1, "Qty \"A\"\\\t\xC6\x01");  // quote, backslash, tab, Windows-1251 Zhe, a control byte
        form.SetType(2, task::form::kExtension);
        const task::Slot full = form.PromptSlot(3);  // 21 characters and no terminator
        std::fill(full.begin(), full.end(), task::Byte{'W'});
        form.SetType(4, 77);
        form.SetRecordAction(3);
        form.PrefixSlot(1)[0] = 27;
        form.PrefixSlot(1)[1] = 13;
        form.SetFnSummation(2, 0x35);
        task::FormView(model.forms[1]).SetRecordAction(9);

        const task::MenuView menu(model.menus[1]);
        menu.SetShowCaption(1);
        menu.SetCaption("\xD1\xEA\xEB\xE0\xE4");  // "Склад"
        menu.SetItem(0, "1.Stock");
        menu.SetItemTarget(0, 12);

        model.barcode[6] = 0x0E;  // interleave 25 start/stop 3, industrial 25 start/stop 2
        model.weightCode[task::weight::kFlags] = 0x02;
        model.weightCode[task::weight::kPrefix] = 0xC0;  // "АБ"
        model.weightCode[task::weight::kPrefix + 1] = 0xC1;
        const task::Slot password = task::StartupView(model.startup).PasswordSlot();
        std::copy_n("1234567890AB", 12, password.begin());  // fills its slot
        return model;
    }

    test_support::TempFolder folder;
    std::string path = folder.File("task.uzx");
};

TEST_F(ShowCommandTest, ANewTaskShowsItsDefaults) {
    ASSERT_EQ(Uzx({"new", path}).status, 0);
    const Json task = ParsedShow(path);
    EXPECT_EQ(task["firmwareId"].text, "8300RU004");
    EXPECT_EQ(task["barcode"]["bytes"].text, "9BC9003F882D548000193D009F01FE01FF01FF016603C0");
    EXPECT_EQ(task["barcode"]["code39"].number, 1);
    EXPECT_EQ(task["barcode"]["matrix25StartStop"].number, 2);
    EXPECT_EQ(task["barcode"]["readerTimeout"].number, 3);

    ASSERT_EQ(task["menus"].items.size(), 10u);
    EXPECT_EQ(task["menus"][9]["items"][9]["text"].text, "");
    ASSERT_EQ(task["forms"].items.size(), 10u);
    const Json& third = task["forms"][2];
    EXPECT_EQ(third["nextTarget"].number, 3);
    EXPECT_EQ(third["dateSeparator"].text, "/");
    EXPECT_EQ(third["timeSeparator"].text, ":");
    EXPECT_EQ(third["recordActionName"].text, "save");
    ASSERT_EQ(third["lines"].items.size(), 8u);
    const Json& line = third["lines"][7];
    EXPECT_EQ(line["typeName"].text, "nil");
    EXPECT_EQ(line["maxLength"].number, 80);
    EXPECT_EQ(line["inputSource"].number, 2);
    EXPECT_EQ(line["partialMaxLength"].number, 20);
    EXPECT_EQ(line["autoEnter"].number, 1);
    EXPECT_EQ(line["prefix"].items.size(), 10u);
    EXPECT_EQ(third["functionKeys"].items.size(), 4u);

    ASSERT_EQ(task["lookups"].items.size(), 3u);
    EXPECT_EQ(task["lookups"][2]["delimiter"].number, 9);
    EXPECT_EQ(task["lookups"][2]["uploadable"].number, 1);
    EXPECT_EQ(task["lookups"][2]["fieldOffsets"][7].number, 1);

    // 27 tables of 4, 4, 8, ... entries.
    const std::size_t entries[] = {4, 4, 8, 4, 4, 4, 7, 8, 6, 6, 5, 4, 4, 6, 8, 3, 5, 4, 5, 5, 3, 2, 4, 3, 6, 8, 3};
    ASSERT_EQ(task["textTables"].items.size(), 27u);
    for (std::size_t t = 0; t < 27; ++t) EXPECT_EQ(task["textTables"][t].items.size(), entries[t]) << "table " << t + 1;
    EXPECT_EQ(task["textTables"][1][0].text, "1.Collect data ");
    EXPECT_EQ(task["textTables"][1][3].text, "            ");
    EXPECT_EQ(task["textTables"][26][0].text, "FN+<:Edit  FN+>:Del ");

    EXPECT_EQ(task["terminal"]["addReturn"].number, 1);
    EXPECT_EQ(task["terminal"]["bytes"].text.substr(0, 12), "000000000100");
    const Json& startup = task["startup"];
    EXPECT_EQ(startup["layoutRevision"].number, 4);
    EXPECT_EQ(startup["firstSeparator"].number, 9);
    EXPECT_EQ(startup["backlightIdle"].number, 2);
    EXPECT_EQ(startup["keyClick"].number, 2);
    EXPECT_EQ(startup["password"].text, "");
    EXPECT_EQ(startup["extraTexts"][0].text, "8. Calculator       ");
    EXPECT_EQ(startup["codeIds"].items.size(), 15u);
    const Json& weight = task["weightCode"];
    EXPECT_EQ(weight["magic"].number, 43994);
    EXPECT_EQ(weight["prefix"].text, "23");
    EXPECT_EQ(weight["maskCode"].number, 7);
    EXPECT_EQ(weight["quantityField"].number, 4);
}

TEST_F(ShowCommandTest, FieldNamesStayAsScriptsKnowThem) {
    const Json task = ShowJson(task::testing::FreshTask());
    EXPECT_EQ(task.Names(), (Names{"firmwareId", "reserved", "barcode", "menus", "forms", "lookups", "textTables",
                                   "terminal", "startup", "weightCode"}));
    EXPECT_EQ(task["menus"][0].Names(),
              (Names{"font", "showCaption", "escTarget", "saveCaption", "saveSelectedItem", "passDown", "visibleItems",
                     "currentItem", "engineState", "caption", "items"}));
    EXPECT_EQ(task["menus"][0]["items"][0].Names(), (Names{"text", "target"}));
    EXPECT_EQ(task["forms"][0].Names(),
              (Names{"font", "escTarget", "nextTarget", "stampPosition", "stampSeparateFields", "stampYear",
                     "stampTwoDigitYear", "stampMonth", "stampDay", "stampDateSeparated", "dateOrder", "stampHour",
                     "stampMinute", "stampSecond", "stampTimeSeparated", "recordAction", "lookupFile", "onErrorTarget",
                     "lineCount", "currentLine", "dateSeparator", "timeSeparator", "recordActionName", "lines",
                     "functionKeys"}));
    EXPECT_EQ(task["forms"][0]["lines"][0].Names(),
              (Names{"type", "typeName", "prompt", "lookupField", "inputSource", "minLength", "maxLength",
                     "fixedLength", "alignment", "fixedLengthValue", "hasInitialValue", "hasPrefix", "hasSuffix",
                     "partialMode", "partialStart", "partialMaxLength", "checkLeadingCode", "autoEnter", "inputMark",
                     "checkDigit", "decimals", "initialValue", "prefix", "suffix", "leadingCode", "gs1Identifier",
                     "text"}));
    EXPECT_EQ(task["forms"][0]["functionKeys"][0].Names(),
              (Names{"target", "summation", "summationSource", "remains", "remainsFilter"}));
    EXPECT_EQ(task["lookups"][0].Names(),
              (Names{"recordLength", "fieldCount", "keyField", "delimiter", "uploadable", "noMatchAction",
                     "badRecordAction", "readOnce", "negativeRemains", "deleteIfNull", "fieldOffsets", "fieldLengths"}));
    EXPECT_EQ(task["terminal"].Names(),
              (Names{"keyboardType", "wedgeFlags", "characterDelay", "transmitTimeout", "addReturn", "bytes"}));
    EXPECT_EQ(task["startup"].Names(),
              (Names{"layoutRevision", "startWithMenu", "firstSeparator", "secondSeparator", "separateDataFiles",
                     "uploadPort", "downloadPort", "baudRate", "backlight", "backlightIdle", "dataDeletion",
                     "entryOption", "entryDuration", "largeFontScreens", "functionKeyMapping", "codeIdEnabled",
                     "modemSpeed", "keyClick", "goodReadBeep", "warningBeep", "vibratorDuration", "fieldReplacement",
                     "uploadPhone", "downloadPhone", "password", "protectedFunctions", "protectedSounds",
                     "functionKeys", "codeIds", "extraTexts", "bytes"}));
    EXPECT_EQ(task["weightCode"].Names(),
              (Names{"magic", "enabled", "oneCFormat", "prefix", "maskCode", "keyField", "quantityField"}));
    const Names barcode = task["barcode"].Names();
    ASSERT_EQ(barcode.size(), 93u);
    EXPECT_EQ((Names(barcode.begin(), barcode.begin() + 4)), (Names{"bytes", "code39", "italianPharmacode", "frenchPharmacode"}));
    EXPECT_EQ((Names(barcode.end() - 4, barcode.end())), (Names{"code128", "ean128", "ean128NoCodeId", "code128Copy"}));
}

TEST_F(ShowCommandTest, TextsAndCodesShowAsTheBytesHoldThem) {
    const Json task = ShowJson(CraftedTask());
    const Json& form = task["forms"][0];
    const Json& line = form["lines"][1];
    EXPECT_EQ(line["prompt"].text, "Qty \"A\"\\\t\u0416\x01");
    EXPECT_EQ(line["typeName"].text, "integer");
    EXPECT_EQ(line["prefix"][0].number, 27);
    EXPECT_EQ(line["prefix"][1].number, 13);
    EXPECT_EQ(line["prefix"][2].number, 0);
    EXPECT_EQ(form["lines"][2]["typeName"].text, "extension");
    EXPECT_EQ(form["lines"][3]["prompt"].text, std::string(21, 'W')) << "an unterminated slot shows whole";
    EXPECT_EQ(form["lines"][4]["typeName"].text, "?");
    EXPECT_EQ(form["recordActionName"].text, "pass down");
    EXPECT_EQ(form["functionKeys"][2]["summation"].number, 0x35);
    EXPECT_EQ(task["forms"][1]["recordActionName"].text, "?");

    const Json& menu = task["menus"][1];
    EXPECT_EQ(menu["showCaption"].number, 1);
    EXPECT_EQ(menu["caption"].text, "\u0421\u043a\u043b\u0430\u0434");
    EXPECT_EQ(menu["items"][0]["text"].text, "1.Stock");
    EXPECT_EQ(menu["items"][0]["target"].number, 12);

    EXPECT_EQ(task["barcode"]["interleave25StartStop"].number, 3);
    EXPECT_EQ(task["barcode"]["industrial25StartStop"].number, 2);
    EXPECT_EQ(task["weightCode"]["enabled"].number, 0);
    EXPECT_EQ(task["weightCode"]["oneCFormat"].number, 1);
    EXPECT_EQ(task["weightCode"]["prefix"].text, "\u0410\u0411");
    EXPECT_EQ(task["startup"]["password"].text, "1234567890AB");
}

TEST_F(ShowCommandTest, TextOutputIndentsTheSameFieldsAndEscapesTexts) {
    ASSERT_TRUE(task::WriteTaskFile(path, CraftedTask()).ok);
    const RunResult run = Uzx({"show", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("firmwareId: \"8300RU004\"\nreserved:\n  [1]: 0\n  [2]: 0\nbarcode:\n", 0), 0u);
    EXPECT_NE(run.out.find("\nforms:\n  [1]:\n    font: 0\n    escTarget: 0\n    nextTarget: 1\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n    lines:\n      [1]:\n        type: 0\n        typeName: \"nil\"\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n      [2]:\n        type: 2\n        typeName: \"integer\"\n"
                           "        prompt: \"Qty \\\"A\\\"\\\\\\t\u0416\\u0001\"\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\nweightCode:\n  magic: 43994\n  enabled: 0\n  oneCFormat: 1\n  prefix: \"\u0410\u0411\"\n"),
              std::string::npos);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST_F(ShowCommandTest, AnyBytesGiveValidJson) {
    // Random bytes behind a valid signature: every text escaped, every value a number.
    std::mt19937 random(18954);
    std::vector<std::uint8_t> bytes(task::kTaskFileSize);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    std::copy_n("8300RU004", 10, bytes.begin());
    task::testing::WriteBytes(path, bytes);
    const Json task = ParsedShow(path);
    EXPECT_EQ(task["forms"].items.size(), 10u);
    EXPECT_EQ(task["startup"]["bytes"].text.size(), 2 * task::kStartupSettingsSize);
}

TEST_F(ShowCommandTest, WarningsGoToStandardErrorAndFailuresSetTheStatus) {
    // An earlier layout revision is upgraded on reading: the warning must not spoil the JSON.
    task::TaskModel old = task::testing::FreshTask();
    old.startup[task::startup::kLayoutRevision] = 1;
    ASSERT_TRUE(task::WriteTaskFile(path, old).ok);
    const RunResult upgraded = Uzx({"show", "--json", path});
    EXPECT_EQ(upgraded.status, 0);
    ASSERT_TRUE(JsonReader::Parse(upgraded.out).has_value());
    EXPECT_EQ(JsonReader::Parse(upgraded.out)->operator[]("startup")["layoutRevision"].number, 4);
    EXPECT_NE(upgraded.err.find("Warning: "), std::string::npos);

    const RunResult missing = Uzx({"show", folder.File("missing.uzx")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("uzx: cannot open"), std::string::npos);

    task::testing::WriteBytes(folder.File("foreign.uzx"), std::vector<std::uint8_t>(100, 'Z'));
    const RunResult foreign = Uzx({"show", "--json", folder.File("foreign.uzx")});
    EXPECT_EQ(foreign.status, 1);
    EXPECT_EQ(foreign.out, "");
    EXPECT_NE(foreign.err.find("Format mismatch !!!"), std::string::npos);

    EXPECT_EQ(Uzx({"show"}).status, 2);
    EXPECT_EQ(Uzx({"show", "--json"}).status, 2);
    EXPECT_EQ(Uzx({"show", "--json", path, path}).status, 2);
}

// Each argument reaches the program whole, as a shell passes a quoted one:
// blanks, a trailing backslash and an empty argument included.
TEST_F(ShowCommandTest, ArgumentsArriveWhole) {
    const std::string spaced = folder.File("my  task.UZX");
    ASSERT_TRUE(task::WriteTaskFile(spaced, task::testing::FreshTask()).ok);
    EXPECT_EQ(Uzx({"show", spaced}).status, 0);

    const RunResult empty = Uzx({"show", ""});
    EXPECT_EQ(empty.status, 1) << "an empty file name, not a missing one";
    EXPECT_EQ(empty.err, "uzx: cannot open \n");

    const RunResult slashed = Uzx({"show", "a \\"});
    EXPECT_EQ(slashed.status, 1);
    EXPECT_EQ(slashed.err, "uzx: cannot open a \\\n");
}

}  // namespace
