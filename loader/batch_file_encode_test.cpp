// Writing a batch task for another model: the bytes of the converted file at
// the offsets of the target's layout.
#include <gtest/gtest.h>

#include "loader/batch_file.h"
#include "loader/test_support.h"

namespace loader {
namespace {

using testing::Bytes;
using testing::Cp;
using testing::PatternAt;
using testing::PatternFile;
using testing::Put;
using testing::Slice;

BatchTask Read(const Bytes& file) {
    DecodeResult read = DecodeBatchFile(file);
    EXPECT_EQ(read.status, DecodeStatus::Ok);
    return read.task;
}

bool IsFormLineCount(std::size_t offset) {
    return offset >= 3535 && offset < 15685 && (offset - 3535) % 1215 == 1013;
}

TEST(EncodeBatchFile, MixedTaskForAWideTarget) {
    Bytes source = PatternFile("8300RU004", 18954);
    const Bytes out = EncodeBatchFile(Read(source), BatchModel::M8500);
    ASSERT_EQ(out.size(), 19279u);
    EXPECT_EQ(Slice(out, 0, 10), std::string("8500RU004\0", 10));
    // Everything before the texts as read, but the recounted form lines.
    for (std::size_t i = 10; i < 16051; ++i) {
        if (!IsFormLineCount(i)) {
            ASSERT_EQ(out[i], source[i]) << i;
        }
    }
    // The blocks after the texts move on by 325 bytes.
    for (std::size_t i = 0; i < 55; ++i) ASSERT_EQ(out[18844 + i], source[18519 + i]) << "terminal " << i;
    for (std::size_t i = 0; i < 12; ++i) ASSERT_EQ(out[19167 + i], source[18842 + i]) << "weight code " << i;
    EXPECT_EQ(out[18899], source[18574]) << "start-up settings";
    EXPECT_EQ(out[18899 + 267], source[18574 + 267]);
    EXPECT_EQ(Slice(out, 19179, 100), std::string(100, '\0'));
    // The upload menu's sixth entry of the 8500 is all zero.
    EXPECT_EQ(Slice(out, 16051 + 1008, 21), std::string(21, '\0'));
}

TEST(EncodeBatchFile, MixedTextsReachTheWideLayoutPaddedAndFollowedByZeros) {
    Bytes source = PatternFile("8000RU004", 18954);
    Put(source, 16051, std::string("Menu\0", 5));                 // table 1 entry 1
    Put(source, 16051 + 128, "ABCDEFGHIJKLMNOPQRSTU");            // table 3 entry 1, full
    const Bytes out = EncodeBatchFile(Read(source), BatchModel::M8400);
    EXPECT_EQ(Slice(out, 16051, 21), "Menu" + std::string(11, ' ') + std::string(6, '\0'));
    EXPECT_EQ(Slice(out, 16051 + 168, 21), std::string("ABCDEFGHIJKLMNOPQRST\0", 21));
}

TEST(EncodeBatchFile, WideTaskForAMixedTarget) {
    Bytes source = PatternFile("8400RU004", 19279);
    Put(source, 16051, "ABCDEFGHIJKLMNOPQRSTU");  // table 1 entry 1
    Put(source, 16051 + 84, std::string("Two\0", 4));  // table 2 entry 1
    const Bytes out = EncodeBatchFile(Read(source), BatchModel::M8000);
    ASSERT_EQ(out.size(), 18954u);
    EXPECT_EQ(Slice(out, 0, 10), std::string("8000RU004\0", 10));
    EXPECT_EQ(Slice(out, 16051, 16), std::string("ABCDEFGHIJKLMNO\0", 16));
    EXPECT_EQ(Slice(out, 16051 + 64, 4), std::string("Two\0", 4));
    for (std::size_t i = 0; i < 55; ++i) ASSERT_EQ(out[18519 + i], source[18844 + i]) << "terminal " << i;
    EXPECT_EQ(out[18842], source[19167]) << "weight code";
    EXPECT_EQ(Slice(out, 18854, 100), std::string(100, '\0'));
}

TEST(EncodeBatchFile, WideTextsGoOutAsReadForAWideTarget) {
    Bytes source = PatternFile("8600RU004", 19279);
    Put(source, 16051 + 168, std::string("Hi\0junk", 7));
    const BatchTask task = Read(source);
    const Bytes out = EncodeBatchFile(task, BatchModel::M8700);
    EXPECT_EQ(Slice(out, 0, 10), std::string("8700RU004\0", 10));
    EXPECT_EQ(Slice(out, 16051 + 168, 7), std::string("Hi\0junk", 7));
    for (std::size_t i = 16051; i < 16051 + 903; ++i) ASSERT_EQ(out[i], source[i]) << i;
}

TEST(EncodeBatchFile, TheTaskStaysAsReadSoASecondWriteIsTheSame) {
    Bytes source = PatternFile("8300RU004", 18954);
    source[18574 + 27] = 2;  // download via item 3
    source[18574 + 5] = 3;
    const BatchTask task = Read(source);
    const BatchTask before = task;
    const Bytes first = EncodeBatchFile(task, BatchModel::M8200);
    EXPECT_EQ(task, before);
    EXPECT_EQ(EncodeBatchFile(task, BatchModel::M8200), first) << "a retried download sends the same file";
    EXPECT_EQ(first[18899 + 27], 2);
    EXPECT_EQ(first[18899 + 5], 2);
}

TEST(EncodeBatchFile, ChosenItemsInTheFile) {
    // An 8500 task downloading via "4. BlueTooth SPP" (3) gets "2. IR-подставки" (1) on an 8300.
    Bytes source = PatternFile("8500RU004", 19279);
    source[18899 + 27] = 3;
    source[18899 + 5] = 0;
    Bytes out = EncodeBatchFile(Read(source), BatchModel::M8300);
    EXPECT_EQ(out[18574 + 27], 1);
    EXPECT_EQ(out[18574 + 5], 1);
    EXPECT_EQ(Slice(out, 16051 + 894 + 3 * 21, 16), Cp("2. IR-подставки") + '\0');

    // Converting to its own model puts both on the first entry.
    source = PatternFile("8000RU004", 18954);
    source[18574 + 27] = 2;
    source[18574 + 5] = 1;
    out = EncodeBatchFile(Read(source), BatchModel::M8000);
    EXPECT_EQ(out[18574 + 27], 0);
    EXPECT_EQ(out[18574 + 5], 0);
}

}  // namespace
}  // namespace loader
