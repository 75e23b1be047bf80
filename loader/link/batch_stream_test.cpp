// The stream of modes 1 and 2, checked at positions worked out from the
// file layouts: file offset minus 12 up to the text tables, entries of 16 or
// 21 bytes after them, the start-up settings renumbered.
#include "loader/link/batch_stream.h"

#include <algorithm>

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

constexpr std::size_t kTextsAt = 16039;  // where the stream's text tables start, in both modes

BatchTask Read(const Bytes& file) {
    DecodeResult read = DecodeBatchFile(file);
    EXPECT_EQ(read.status, DecodeStatus::Ok);
    return read.task;
}

std::string Padded(std::string_view text, std::size_t width) {
    return std::string(text) + std::string(width - text.size(), ' ') + std::string(1, '\0');
}

TEST(BatchStream, MixedLayoutTerminalsGetTheFileBytesThenPaddedEntries) {
    Bytes file = PatternFile("8300RU004", 18954);
    Put(file, 16051, std::string("AB\0xyzxyzxyzxyz", 16));         // table 1, entry 1: a NUL, then rubbish
    Put(file, 16051 + 16, "0123456789ABCDEF");                      // table 1, entry 2: 16 characters
    Put(file, 16051 + 128, std::string("Caption\0", 8));            // table 3, entry 1, 21 bytes wide
    const std::vector<Byte> stream = BuildBatchStream(Read(file), BatchModel::M8300);
    ASSERT_EQ(stream.size(), 20000u);

    // Barcode, menus, forms and lookups as in the file, 12 bytes earlier.
    EXPECT_EQ(stream[0], PatternAt(12));
    EXPECT_EQ(stream[23], PatternAt(35)) << "first menu byte";
    EXPECT_EQ(stream[3523], PatternAt(3535)) << "first form byte";
    EXPECT_EQ(stream[16038], PatternAt(16050)) << "last lookup byte";

    EXPECT_EQ(Slice(stream, kTextsAt, 16), Padded("AB", 15));
    EXPECT_EQ(Slice(stream, kTextsAt + 16, 16), Padded("0123456789ABCDE", 15)) << "the 16th character goes";
    EXPECT_EQ(Slice(stream, kTextsAt + 128, 21), Padded("Caption", 20));
    // Table 10 holds the 8300's download menu: 894 bytes into the tables.
    EXPECT_EQ(Slice(stream, kTextsAt + 894, 21), Padded(Cp("Загрузка Задачи"), 20));

    // TerminalSettings go unchanged at 18507..18561.
    EXPECT_EQ(stream[18507], PatternAt(18519));
    EXPECT_EQ(stream[18561], PatternAt(18573));

    // StartupSettings from 18562, in the terminal's numbering.
    constexpr std::size_t kStartup = 18562;
    EXPECT_EQ(stream[kStartup], PatternAt(18574)) << "not renumbered";
    EXPECT_EQ(stream[kStartup + 1], 11) << "program start other than 0";
    EXPECT_EQ(stream[kStartup + 28], static_cast<Byte>(PatternAt(18574 + 28) + 1)) << "baud rate";
    EXPECT_EQ(stream[kStartup + 30], static_cast<Byte>(PatternAt(18574 + 30) + '0')) << "backlight idle";
    EXPECT_EQ(stream[kStartup + 139], static_cast<Byte>(PatternAt(18574 + 139) + 1)) << "warning beep";
    // The 8300's menus put both transfers on its cradle, item 2, sent as 2.
    EXPECT_EQ(stream[kStartup + 27], 2) << "download via";
    EXPECT_EQ(stream[kStartup + 5], 2) << "upload via";

    // WeightCodeSettings at 18830..18841, then zeros to the end.
    EXPECT_EQ(stream[18830], PatternAt(18842));
    EXPECT_EQ(stream[18841], PatternAt(18853));
    EXPECT_EQ(std::count(stream.begin() + 18842, stream.end(), 0), 20000 - 18842);
}

TEST(BatchStream, WideLayoutTerminalsGetEveryEntryTwentyOneBytesWide) {
    Bytes file = PatternFile("8400RU004", 19279);
    Put(file, 16051, std::string("AB\0xyzxyzxyzxyzxyzxyz", 21));  // table 1, entry 1
    Put(file, 16051 + 21, "0123456789ABCDEFGHIJK");            // 21 characters, no NUL
    Put(file, 19279 - 100 - 12 - 268 + 1, std::string(1, '\0'));  // program start 0
    const std::vector<Byte> stream = BuildBatchStream(Read(file), BatchModel::M8600);
    ASSERT_EQ(stream.size(), 20000u);

    EXPECT_EQ(stream[16038], PatternAt(16050));
    EXPECT_EQ(Slice(stream, kTextsAt, 21), Padded("AB", 20)) << "the rubbish after the NUL is not sent";
    EXPECT_EQ(Slice(stream, kTextsAt + 21, 21), Padded("0123456789ABCDEFGHIJ", 20));
    // Table 10 holds the wide terminals' download menu: 49 entries into the tables.
    EXPECT_EQ(Slice(stream, kTextsAt + 49 * 21, 21), Padded(Cp("Загрузить через:"), 20));

    // TerminalSettings at 18832..18886, StartupSettings from 18887.
    EXPECT_EQ(stream[18832], PatternAt(18844));
    EXPECT_EQ(stream[18886], PatternAt(18898));
    constexpr std::size_t kStartup = 18887;
    EXPECT_EQ(stream[kStartup], PatternAt(18899));
    EXPECT_EQ(stream[kStartup + 1], 1) << "program start 0 is sent as 1";
    EXPECT_EQ(stream[kStartup + 29], static_cast<Byte>(PatternAt(18899 + 29) + 1)) << "backlight";
    // From an 8400 task to an 8600 the items stay as they were, and are sent from 1.
    EXPECT_EQ(stream[kStartup + 27], static_cast<Byte>(PatternAt(18899 + 27) + 1));

    EXPECT_EQ(stream[19155], PatternAt(19167)) << "weight code";
    EXPECT_EQ(stream[19166], PatternAt(19178));
    EXPECT_EQ(std::count(stream.begin() + 19167, stream.end(), 0), 20000 - 19167);
}

TEST(BatchStream, TheTaskIsWrittenForTheTerminalsModelNotTheFilesOwn) {
    // An 8300 task going to an 8500: the wide layout and the 8500's menus.
    Bytes file = PatternFile("8300RU004", 18954);
    Put(file, 18574 + 27, std::string(1, '\1'));  // download via the 8300's "2. IR-подставки"
    const BatchTask task = Read(file);
    const std::vector<Byte> stream = BuildBatchStream(task, BatchModel::M8500);
    EXPECT_EQ(Slice(stream, kTextsAt + 49 * 21, 21), Padded(Cp("Загрузка Задачи"), 20));
    // Table 9, entry 1 of 21 characters loses its last one; entry 6 is empty for the 8500.
    EXPECT_EQ(Slice(stream, kTextsAt + 43 * 21, 21), Cp("Выгрузить данные чер") + std::string(1, '\0'));
    EXPECT_EQ(Slice(stream, kTextsAt + 48 * 21, 21), Padded("", 20));
    // The 8300's cradle item (1-based 2) is the 8500's first: 0-based 0, sent as 1.
    EXPECT_EQ(stream[18887 + 27], 1);
}

}  // namespace
}  // namespace loader
