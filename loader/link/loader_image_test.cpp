// Which terminal gets which mode, and what each mode sends.
#include "loader/link/loader_image.h"

#include <gtest/gtest.h>

#include "loader/batch_file.h"
#include "loader/test_support.h"

namespace loader {
namespace {

using testing::PatternFile;
using testing::Slice;

LoadedTask BatchTaskOf(std::string_view id, std::size_t size) {
    DecodeResult read = DecodeBatchFile(PatternFile(id, size));
    EXPECT_EQ(read.status, DecodeStatus::Ok);
    return read.task;
}

LoadedTask RadioTaskOf(std::string_view id) {
    RadioTask task;
    std::copy(id.begin(), id.end(), task.firmwareId.begin());
    task.headerB[0] = 1;
    return task;
}

std::optional<LoaderMode> ModeFor(const LoadedTask& task, std::string_view reply) {
    return ChooseLoaderMode(task, TerminalIdOf(reply));
}

TEST(LoaderImage, BatchTerminalsAreServedByTheirLayout) {
    const LoadedTask batch = BatchTaskOf("8300RU004", 18954);
    for (std::string_view mixed : {"8000RU004", "8300RU004", "8300RU004 rev.B"}) {
        EXPECT_EQ(ModeFor(batch, mixed), LoaderMode::MixedBatch) << mixed;
    }
    for (std::string_view wide : {"8200RU004", "8400RU004", "8500RU004", "8600RU004", "8700RU004"}) {
        EXPECT_EQ(ModeFor(batch, wide), LoaderMode::WideBatch) << wide;
    }
}

TEST(LoaderImage, ATaskGoesOnlyToATerminalOfItsKind) {
    const LoadedTask batch = BatchTaskOf("8400RU004", 19279);
    const LoadedTask radio = RadioTaskOf("80xxRU102");
    // A batch task is never streamed to a radio terminal, nor a radio image to a batch terminal.
    for (std::string_view other : {"80xxRU102", "ACK", "8300RU005", "8100RU004", "8300RU00"}) {
        EXPECT_EQ(ModeFor(batch, other), std::nullopt) << other;
        EXPECT_FALSE(BuildLoaderImage(batch, TerminalIdOf(other))) << other;
        EXPECT_EQ(ModeFor(radio, other), LoaderMode::Radio) << other;
    }
    for (std::string_view id : {"8000RU004", "8300RU004", "8600RU004"}) {
        EXPECT_EQ(ModeFor(radio, id), std::nullopt) << id;
        EXPECT_FALSE(BuildLoaderImage(radio, TerminalIdOf(id))) << id;
    }
}

TEST(LoaderImage, TheRadioVariantComesFromTheTasksOwnIdentifier) {
    // A large task is never cut to 50 blocks by what the terminal answers, nor a small one stretched.
    const LoadedTask large = RadioTaskOf("84xxRU103");
    for (std::string_view reply : {"80xxRU102", "ACK", "84xxRU103"}) {
        const auto image = BuildLoaderImage(large, TerminalIdOf(reply));
        ASSERT_TRUE(image) << reply;
        EXPECT_EQ(image->mode, LoaderMode::Radio);
        EXPECT_EQ(image->blocks, 182) << reply;
        EXPECT_EQ(image->bytes.size(), 18200u);
        EXPECT_EQ(image->bytes[1], 26) << reply;
    }
    const LoadedTask small = RadioTaskOf("80xxRU102");
    const auto image = BuildLoaderImage(small, TerminalIdOf("84xxRU103"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->blocks, 50);
    EXPECT_EQ(image->bytes.size(), 5000u);
    EXPECT_EQ(image->bytes[1], 6);
}

TEST(LoaderImage, ARadioTaskIsNormalisedBeforeItsImageIsBuilt) {
    RadioTask task = std::get<RadioTask>(RadioTaskOf("80xxRU102"));
    task.menus[0][1] = 1;  // the caption is shown
    const std::string caption("Menu", 4);
    std::copy(caption.begin(), caption.end(), task.menus[0].begin() + 2);
    task.forms[0][12] = 2;  // field 1 takes an integer
    const auto image = BuildLoaderImage(task, TerminalIdOf("80xxRU102"));
    ASSERT_TRUE(image);
    // The menu starts at image byte 26, its caption two bytes later, padded to 16 characters.
    EXPECT_EQ(Slice(image->bytes, 28, 21), "Menu" + std::string(12, ' ') + std::string(5, '\0'));
    // The first form starts at 247; byte 565 counts its fields.
    EXPECT_EQ(image->bytes[247 + 565], 1);
}

}  // namespace
}  // namespace loader
