#include "designer/transfer/lookup_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "designer/link/frames.h"

namespace transfer {
namespace {

// The lines of `content` fed in two pieces cut at `cut`.
std::vector<std::string> LinesCutAt(std::string_view content, std::size_t cut) {
    std::vector<std::string> lines;
    const LookupLineSplitter::LineSink keep = [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    };
    LookupLineSplitter splitter;
    splitter.Feed(content.substr(0, cut), keep);
    splitter.Feed(content.substr(cut), keep);
    splitter.Finish(keep);
    return lines;
}

TEST(LookupLines, ALineEndsWhereverTheFileIsReadInPieces) {
    // A CR LF split between two reads is still one line end.
    const std::string content = "AB\r\n\r\nCD\nEF\rGH";
    const std::vector<std::string> expected{"AB", "", "CD", "EF", "GH"};
    for (std::size_t cut = 0; cut <= content.size(); ++cut) {
        EXPECT_EQ(LinesCutAt(content, cut), expected) << "cut at " << cut;
    }
    EXPECT_TRUE(LinesCutAt("", 0).empty());
    EXPECT_EQ(LinesCutAt("\n", 0), std::vector<std::string>{""});
    EXPECT_EQ(LinesCutAt("X\r\n", 2), std::vector<std::string>{"X"});  // no empty line after the last end
}

TEST(LookupLines, TheSinkStopsTheSplitting) {
    int seen = 0;
    LookupLineSplitter splitter;
    EXPECT_FALSE(splitter.Feed("A\nB\nC\n", [&](std::string_view) { return ++seen < 2; }));
    EXPECT_EQ(seen, 2);
}

TEST(LookupLines, OverlongLinesAreFoundByNumber) {
    const std::string fits(termlink::kMaxLookupLineLength, 'x');
    const std::string tooLong(termlink::kMaxLookupLineLength + 1, 'x');
    EXPECT_EQ(FindOverlongLookupLine(""), std::nullopt);
    EXPECT_EQ(FindOverlongLookupLine(fits + "\r\n" + fits + "\n" + fits), std::nullopt);
    // Lines ended by line feeds alone are not one long line.
    EXPECT_EQ(FindOverlongLookupLine(fits + "\n" + fits + "\n"), std::nullopt);
    EXPECT_EQ(FindOverlongLookupLine("a\r\nb\r\n" + tooLong + "\r\nc\r\n"), 3);
    EXPECT_EQ(FindOverlongLookupLine("a\n\n" + tooLong), 3);  // the last line needs no end
}

}  // namespace
}  // namespace transfer
