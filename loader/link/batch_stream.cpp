#include "loader/link/batch_stream.h"

#include <array>

#include "designer/task/terminal_numbering.h"
#include "loader/batch_file.h"

namespace loader {
namespace {

constexpr std::size_t kBlockSize = 100;
constexpr std::size_t kSkippedHead = task::kFirmwareIdSize + task::kTaskReservedSize;
constexpr std::size_t kCountedAhead = 10;  // p + 10 is what the offsets are compared with

// How wide each of the 27 tables' texts are on the terminal: the entry is
// one byte more, for its NUL.
struct StreamLayout {
    std::size_t settigsOffset;
    std::array<std::size_t, 27> widths;
};

constexpr StreamLayout kMixedStream = {
    kMixedSettigsOffset,
    {15, 15, 20, 15, 15, 15, 15, 20, 20, 20, 20, 20, 20, 20, 20, 15, 15, 20, 15, 15, 15, 15, 15, 15, 20, 15, 20}};
constexpr StreamLayout kWideStream = {
    kWideSettigsOffset,
    {20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20}};

// The file's bytes one after another, then zeros once it is exhausted.
class FileCursor {
public:
    explicit FileCursor(std::vector<Byte> bytes) : bytes_(std::move(bytes)) {}
    Byte Next() { return next_ < bytes_.size() ? bytes_[next_++] : Byte{0}; }
    void Skip(std::size_t count) { next_ += count; }

private:
    std::vector<Byte> bytes_;
    std::size_t next_ = 0;
};

// One entry: `width` characters, where a NUL and everything after it
// become spaces, then the NUL that ends it in place of the entry's last byte.
void StreamTextEntry(FileCursor& file, std::size_t width, std::vector<Byte>& out) {
    bool padding = false;
    for (std::size_t j = 0; j < width; ++j) {
        Byte b = file.Next();
        if (b == 0 || padding) {
            b = ' ';
            padding = true;
        }
        out.push_back(b);
    }
    file.Next();
    out.push_back(0);
}

}  // namespace

std::vector<Byte> BuildBatchStream(const BatchTask& task, BatchModel terminal) {
    const StreamLayout& layout = LayoutOf(terminal) == TextLayout::Wide ? kWideStream : kMixedStream;
    FileCursor file(EncodeBatchFile(task, terminal));
    file.Skip(kSkippedHead);

    std::vector<Byte> stream;
    stream.reserve(kBatchBlocks * kBlockSize);
    while (stream.size() + kCountedAhead <= kMenuOffset) stream.push_back(file.Next());
    for (std::size_t table = 0; table < layout.widths.size(); ++table) {
        for (int entry = 0; entry < task::kTextTables[table].entries; ++entry) {
            StreamTextEntry(file, layout.widths[table], stream);
        }
    }
    // TerminalSettings go as the file holds them.
    while (stream.size() + kCountedAhead < layout.settigsOffset) stream.push_back(file.Next());
    task::StartupSettings startup{};
    for (Byte& b : startup) b = file.Next();
    const task::StartupSettings renumbered = task::StartupSettingsForTerminal(startup);
    stream.insert(stream.end(), renumbered.begin(), renumbered.end());
    while (stream.size() < kBatchBlocks * kBlockSize) stream.push_back(file.Next());
    return stream;
}

}  // namespace loader
