#include "submit/reply_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace tavimor {
namespace {

// Reply pages and what the capture must take from them.
struct ReplyCase {
    const char* name;
    std::string reply;
    std::string expected;
};

void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.name; }

std::vector<ReplyCase> replyCases() {
    const std::string head = "<html><body>\n<h1>Thank you</h1>\n";
    const std::string tail = "<p>Check your mailbox.</p>\n</body></html>\n";
    return {
        {"BoldTag", head + "<b>Your ID Code is : 48213</b><br>\n" + tail,
         "Your ID Code is : 48213"},
        {"GreetingBeforeMarker", head + "<p>You are in. Your ID Code is : 48213</p>\n" + tail,
         "You are in. Your ID Code is : 48213"},
        {"TagBetweenGreetingAndMarker",
         head + "<p>You are in.<br>Your ID Code is : 48213</p>\n" + tail,
         "You are in.Your ID Code is : 48213"},
        {"NoTagAfterCodeRunsToEndOfLine", head + "<b>Your ID Code is : 48213  \n" + tail,
         "Your ID Code is : 48213  "},
        {"LastLineWithoutLineFeed", head + "Your ID Code is : 48213", "Your ID Code is : 48213"},
        {"CarriageReturnBeforeLineFeedDropped",
         "<html>\r\n<b>x</b>Your ID Code is : 48213\r\n</html>\r\n", "Your ID Code is : 48213"},
        {"TwoMarkerLinesJoined",
         head + "<b>Your ID Code is : 1</b>\n<p>between</p>\n<i>Your ID Code is : 2</i>\n" + tail,
         "Your ID Code is : 1Your ID Code is : 2"},
        {"ScanResumesAfterTheTag", head + "<b>Your ID Code is : 7</b> Yo! <i>Yes</i> Yo\n" + tail,
         "Your ID Code is : 7Yo! Yo"},
        {"PairsInsideACaptureDoNotRestartIt", "<b>Your ID Code is : You7</b>",
         "Your ID Code is : You7"},
        {"OnlyYFollowedByO", "YYour ID Code is : 7<Y\n", "Your ID Code is : 7"},
        {"MarkerInOtherCase", head + "<b>your id code is : 48213</b>\n" + tail, ""},
        {"MarkerWithoutSpaceBeforeColon", head + "<b>Your ID Code is: 48213</b>\n" + tail, ""},
        {"MarkerSplitAcrossLines", head + "<b>Your ID Code\nis : 48213</b>\n" + tail, ""},
        {"LoneCarriageReturnIsNotALineEnd", "Your ID Code is : 1\r2<\n", "Your ID Code is : 1\r2"},
        {"PairsWithoutMarker", head + "<p>You and Your site. Yours truly, Yo</p>\n" + tail, ""},
        {"EmptyReply", "", ""},
    };
}

constexpr std::size_t kLimit = ReplyLineReader::kMaxLineBytes;

// Feeds `reply` in pieces of `pieceSize` bytes and collects the lines, also
// noting the most the reader ever held back.
struct Fed {
    std::vector<std::string> lines;
    std::size_t mostPending = 0;
};

Fed feedInPieces(std::string_view reply, std::size_t pieceSize) {
    Fed fed;
    ReplyLineReader reader;
    auto collect = [&fed](std::string_view line) { fed.lines.emplace_back(line); };
    for (std::size_t at = 0; at < reply.size(); at += pieceSize) {
        reader.feed(reply.substr(at, pieceSize), collect);
        fed.mostPending = std::max(fed.mostPending, reader.pendingBytes());
    }
    reader.finish(collect);
    return fed;
}

std::string scanInPieces(std::string_view reply, std::size_t pieceSize) {
    ReplyScanner scanner;
    for (std::size_t at = 0; at < reply.size(); at += pieceSize) {
        scanner.feed(reply.substr(at, pieceSize));
    }
    scanner.finish();
    return scanner.takeIdCodeReply();
}

// Lines end at a line feed, a carriage return before it dropped, wherever
// the pieces break. Only the first MiB of a line is handed on, and no more
// than that is ever held; the line after it is intact. (The fuzz target
// checks every length around the limit.)
TEST(ReplyLineReader, SplitsAtLineFeedsAndLooksAtNoMoreThanTheFirstMiBOfALine) {
    const std::string reply = "a\r\nb\n\nc\rd\n\r\nlast\r";
    for (std::size_t piece : {1u, 2u, 3u, 64u}) {
        EXPECT_EQ(feedInPieces(reply, piece).lines,
                  (std::vector<std::string>{"a", "b", "", "c\rd", "", "last\r"}))
            << "pieces of " << piece;
    }
    const std::string line = std::string(kLimit - 1, 'x') + "yz";
    const Fed fed = feedInPieces(line + "\r\nnext\n", 65537);
    EXPECT_TRUE(fed.lines == (std::vector<std::string>{line.substr(0, kLimit), "next"}));
    EXPECT_LE(fed.mostPending, kLimit);
}

// A marker past the first MiB of its line is not seen; the capture keeps at
// most 64 KiB; an abandoned reply keeps what its complete lines gave.
TEST(ReplyScanner, StaysWithinItsLimitsAndKeepsCompleteLinesOnly) {
    const std::string marker = "Your ID Code is : 5<";
    const std::string farOut = std::string(kLimit - 10, '.') + marker + "\n";
    const std::string nearStart = std::string(100, '.') + marker + std::string(2 * kLimit, '.') + "\n";
    EXPECT_EQ(scanInPieces(farOut, 16384), "");
    EXPECT_EQ(scanInPieces(farOut + nearStart, 16384), "Your ID Code is : 5");

    constexpr std::size_t kCap = IdCodeCapture::kMaxCaptureBytes;
    std::string manyLines;
    for (int i = 0; i < 5000; ++i) manyLines += "<b>Your ID Code is : " + std::to_string(i) + "</b>\n";
    const std::string many = scanInPieces(manyLines, 4096);
    ASSERT_EQ(many.size(), kCap);
    EXPECT_TRUE(many.starts_with("Your ID Code is : 0Your ID Code is : 1Your"));
    const std::string oneLong = "Your ID Code is : " + std::string(3 * kCap, '7');
    EXPECT_TRUE(scanInPieces(oneLong, 4096) == oneLong.substr(0, kCap));

    ReplyScanner scanner;
    scanner.feed("<b>Your ID Code is : 1</b>\n<b>Your ID Code is : 2</b>");
    scanner.abandon();
    EXPECT_EQ(scanner.idCodeReply(), "Your ID Code is : 1");
    EXPECT_EQ(scanner.pendingBytes(), 0u);
}

class ReplyCaseScan : public testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyCaseScan, SameCaptureWhateverThePieceSize) {
    const ReplyCase& c = GetParam();
    for (std::size_t piece : {1u, 3u, 16u, 4096u}) {
        EXPECT_EQ(scanInPieces(c.reply, piece), c.expected) << "pieces of " << piece;
    }
}

INSTANTIATE_TEST_SUITE_P(Replies, ReplyCaseScan, testing::ValuesIn(replyCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavimor
