#include "tools/vterm/virtual_terminal.h"

#include <gtest/gtest.h>

#include <deque>

#include "designer/link/frames.h"
#include "designer/transfer/terminal_image.h"
#include "testing/memory_link.h"

namespace vterm {
namespace {

using test_support::MemoryLinkPair;

std::string Text(const std::vector<std::uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

transfer::TerminalImage SampleImage() {
    transfer::TerminalImage image{};
    for (std::size_t i = 0; i < 18842; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + i / 100);
    return image;
}

std::vector<std::uint8_t> AsBytes(const transfer::TerminalImage& image) { return {image.begin(), image.end()}; }

std::string Block(const transfer::TerminalImage& image, int block) {
    const auto frame = termlink::MakeTaskBlockFrame(transfer::ImageBlock(image, block), block);
    return std::string(frame.begin(), frame.end());
}

// Plays the host: every answer of the terminal is recorded and may be
// followed by the host's next frame, chosen by `next`.
struct Rig {
    common::TestClock clock;
    MemoryLinkPair pair{clock};
    std::uint32_t rate = 115200;
    TerminalOptions options;
    std::vector<std::string> answers;
    std::function<std::string(const std::string& answer)> next;
    std::optional<std::vector<std::uint8_t>> image;  // the blocks' bytes, once all came
    std::optional<std::vector<std::string>> lookup;

    Rig() {
        pair.far().Open("pty");
        pair.far().onWrite = [this](const std::vector<std::uint8_t>& bytes) {
            answers.push_back(Text(bytes));
            if (next) {
                const std::string frame = next(answers.back());
                if (!frame.empty()) pair.host().Write(frame);
            }
        };
    }
    TransferEnd Serve(const std::string& first) {
        pair.host().Write(first);
        TerminalSinks sinks;
        sinks.taskReceived = [this](const std::vector<std::uint8_t>& blocks) { image = blocks; };
        sinks.lookupReceived = [this](const std::vector<std::string>& l) { lookup = l; };
        VirtualTerminal terminal(pair.far(), clock, [this] { return rate; }, options, sinks);
        return terminal.ServeOne();
    }
    int Count(const std::string& answer) const { return static_cast<int>(std::count(answers.begin(), answers.end(), answer)); }
};

// A host that sends the image block after block, each until acknowledged,
// and gives `spoil` a chance to change a frame before it goes.
void SendImage(Rig& rig, const transfer::TerminalImage& image,
               std::function<void(int block, int attempt, std::string& frame)> spoil = nullptr) {
    auto block = std::make_shared<int>(-1);
    auto attempt = std::make_shared<int>(0);
    // A copy: callers pass temporaries, and the host answers long after this returns.
    rig.next = [&rig, image, spoil, block, attempt](const std::string& answer) -> std::string {
        if (answer == "ACK\r" || *block < 0) {
            ++*block;
            *attempt = 0;
        } else {
            ++*attempt;
        }
        // Like the designer, give up after seven sends of one block.
        if (*block >= 200 || answer == "FULL\r" || *attempt >= 7) return "";
        std::string frame = Block(image, *block);
        if (spoil) spoil(*block, *attempt, frame);
        return frame;
    };
}

TEST(VirtualTerminal, ReceivesATaskCheckingEveryBlock) {
    Rig rig;
    const auto image = SampleImage();
    SendImage(rig, image, [&](int block, int attempt, std::string& frame) {
        if (block == 3 && attempt == 0) frame[10] ^= 0x40;        // checksum no longer matches
        if (block == 7 && attempt == 0) frame = Block(image, 9);  // one from the future
    });
    ASSERT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Completed);
    EXPECT_EQ(rig.answers.front(), "8300RU004\r");
    ASSERT_TRUE(rig.image);
    EXPECT_EQ(*rig.image, AsBytes(image));
    EXPECT_EQ(rig.Count("NAK\r"), 2);
    EXPECT_EQ(rig.Count("ACK\r"), 200);
}

TEST(VirtualTerminal, ARepeatedBlockIsAcknowledgedAndNotStoredAgain) {
    Rig rig;
    const auto image = SampleImage();
    // The host missed the acknowledgements of blocks 0 and 5 and sends them
    // again, these times with other (well-formed) contents: what was stored
    // first stays, and the blocks after them land in their places.
    auto other = image;
    std::fill(other.begin(), other.end(), std::uint8_t{0xAA});
    std::vector<std::string> frames;
    for (int block = 0; block < 200; ++block) {
        frames.push_back(Block(image, block));
        if (block == 0 || block == 5) frames.push_back(Block(other, block));
    }
    std::size_t sent = 0;
    rig.next = [&](const std::string&) { return sent < frames.size() ? frames[sent++] : std::string(); };
    ASSERT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Completed);
    ASSERT_TRUE(rig.image);
    EXPECT_EQ(*rig.image, AsBytes(image));
    EXPECT_EQ(rig.Count("ACK\r"), 202);
    EXPECT_EQ(rig.Count("NAK\r"), 0);

    // An older block than the last one stored is out of order, not a repeat.
    Rig older;
    older.pair.host().Write("CIPHER\r" + Block(image, 0) + Block(image, 1) + Block(image, 0));
    EXPECT_EQ(older.Serve(""), TransferEnd::Abandoned);
    EXPECT_EQ(older.answers, (std::vector<std::string>{"8300RU004\r", "ACK\r", "ACK\r", "NAK\r"}));
}

TEST(VirtualTerminal, ARadioTerminalTakesItsOwnNumberOfBlocks) {
    Rig rig;
    rig.options.firmware = "80xxRU102-EXTRA";  // as long as a loader reads: 15 characters and the CR
    rig.options.blocks = 50;
    const auto image = SampleImage();
    SendImage(rig, image);
    ASSERT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Completed);
    EXPECT_EQ(rig.answers.front(), "80xxRU102-EXTRA\r");
    EXPECT_EQ(rig.Count("ACK\r"), 50);
    ASSERT_TRUE(rig.image);
    EXPECT_EQ(*rig.image, std::vector<std::uint8_t>(image.begin(), image.begin() + 5000));
}

TEST(VirtualTerminal, TaskFaultsFromTheCommandLine) {
    {
        Rig rig;
        rig.options.firmware = "8200RU001";
        rig.options.nakFirst = 6;
        SendImage(rig, SampleImage());
        EXPECT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Completed);
        EXPECT_EQ(rig.answers.front(), "8200RU001\r");
        EXPECT_EQ(rig.Count("NAK\r"), 6);
    }
    {
        Rig rig;
        rig.options.fullAt = 4;  // block 3
        SendImage(rig, SampleImage());
        EXPECT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Refused);
        EXPECT_EQ(rig.answers.back(), "FULL\r");
        EXPECT_EQ(rig.Count("ACK\r"), 3);
        EXPECT_FALSE(rig.image);
    }
    {
        Rig rig;
        rig.options.dropAt = 2;
        rig.options.faultTimes = 2;
        SendImage(rig, SampleImage());
        EXPECT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Completed);
        EXPECT_EQ(rig.Count("NAK\r"), 2);
    }
    {
        Rig rig;
        rig.options.cutAfter = 10;
        SendImage(rig, SampleImage());
        EXPECT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Cut);
        EXPECT_FALSE(rig.pair.far().IsOpen());
        EXPECT_EQ(rig.Count("ACK\r"), 10);
    }
}

TEST(VirtualTerminal, AHostThatGoesQuietOrStartsOverIsFollowed) {
    Rig rig;
    const auto image = SampleImage();
    int handshakes = 0;
    rig.next = [&](const std::string& answer) -> std::string {
        if (answer == "8300RU004\r") ++handshakes;
        if (handshakes == 1 && answer == "8300RU004\r") return Block(image, 0);
        if (handshakes == 1) return "CIPHER\r";  // the host gave up and tries again
        return "";
    };
    EXPECT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Abandoned);
    EXPECT_EQ(handshakes, 2);
    EXPECT_GE(rig.clock.NowMs(), VirtualTerminal::kAbandonMs);
}

TEST(VirtualTerminal, ReceivesALookupFileLineByLine) {
    Rig rig;
    rig.options.lookupMode = true;
    const std::vector<std::string> lines = {"AB", "", "third", std::string(253, 'z')};
    std::size_t sent = 0;
    bool spoiled = false;
    rig.next = [&](const std::string& answer) -> std::string {
        if (answer == "ACK\r" && rig.answers.size() > 1) ++sent;  // the line before was stored
        if (sent == lines.size()) return "OVER\r";
        if (sent > lines.size()) return "";
        auto frame = termlink::MakeLookupLineFrame(lines[sent]);
        if (sent == 2 && !spoiled) {
            spoiled = true;
            frame[0] ^= 1;
        }
        return Text(frame);
    };
    ASSERT_EQ(rig.Serve("CIPHER\r"), TransferEnd::Completed);
    EXPECT_EQ(rig.answers.front(), "ACK\r");
    ASSERT_TRUE(rig.lookup);
    EXPECT_EQ(*rig.lookup, lines);
    EXPECT_EQ(rig.Count("NAK\r"), 1);
}

TEST(VirtualTerminal, SendsRecordsAndResendsWhatTheHostRefuses) {
    Rig rig;
    for (int i = 0; i < 12; ++i) rig.options.records.push_back("R" + std::to_string(i));
    rig.options.badChecksumAt = 2;
    rig.options.dropAt = 11;
    std::vector<std::string> stored;
    rig.next = [&](const std::string& frame) -> std::string {
        if (frame == "ACK\r" || frame == "OVER\r") return "";
        const auto record = termlink::ParseRecordFrame(frame);
        if (!record || !record->intact || record->sequence != stored.size() % 10) return "NAK\r";
        stored.emplace_back(record->data);
        return "ACK\r";
    };
    ASSERT_EQ(rig.Serve("READ\r"), TransferEnd::Completed);
    EXPECT_EQ(rig.answers.front(), "ACK\r");
    EXPECT_EQ(rig.answers.back(), "OVER\r");
    EXPECT_EQ(stored, rig.options.records);
    EXPECT_EQ(rig.answers.size(), 1u + 12u + 2u + 1u);  // ready, records, two resent, OVER
}

TEST(VirtualTerminal, UploadRequestsCanBeRefusedAndAnUnansweredRecordEndsIt) {
    Rig rig;
    rig.options.records = {"only"};
    rig.options.nakFirst = 2;
    int requests = 1;
    rig.next = [&](const std::string& answer) -> std::string {
        if (answer == "NAK\r" && requests < 3) {
            ++requests;
            return "READ\r";
        }
        return "";  // the host never answers the record
    };
    EXPECT_EQ(rig.Serve("READ\r"), TransferEnd::Abandoned);
    EXPECT_EQ(rig.Count("NAK\r"), 2);
    EXPECT_EQ(rig.answers.back().substr(1, 4), "only");
}

TEST(VirtualTerminal, TheCradleEchoesAtItsRateAndMovesOnCommand) {
    for (bool cradle : {true, false}) {
        Rig rig;
        rig.options.cradle = cradle;
        // The host's rate at each probe, in order.
        std::deque<std::uint32_t> rates = {9600, 9600, 38400};
        rig.pair.host().Write("\x0F");
        rig.pair.host().Write("\x07" "4Q");
        rig.pair.host().Write("\x0F");  // still at 9600: the cradle listens at 38400 now
        rig.pair.host().Write("\x0F");  // at 38400
        rig.pair.host().Write("CIPHER\r");
        const auto rateAtProbe = [&rates] {
            const std::uint32_t rate = rates.front();
            rates.pop_front();
            return rate;
        };
        VirtualTerminal terminal(rig.pair.far(), rig.clock, rateAtProbe, rig.options, {});
        EXPECT_EQ(terminal.ServeOne(), TransferEnd::Abandoned);  // no blocks followed the handshake
        if (cradle) {
            EXPECT_EQ(rig.pair.far().Written(), "\x0F\x0F" "8300RU004\r");
        } else {
            EXPECT_EQ(rig.pair.far().Written(), "8300RU004\r");
        }
    }
}

}  // namespace
}  // namespace vterm
