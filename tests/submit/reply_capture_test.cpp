#include "submit/reply_capture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tavimor {
namespace {

// Reply pages and what the capture must take from them, whatever pieces they
// arrive in. (The fuzz target checks the same against a plain reading of the
// rules for any bytes, with the limits on a line's and the capture's size
// and replies that break off.)
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
        {"OtherLettersBeforeO",
         head + "<font color=\"red\">Your ID Code is : 48213</font>\n" + tail,
         "Your ID Code is : 48213"},
        {"MarkerInOtherCase", head + "<b>your id code is : 48213</b>\n" + tail, ""},
        {"MarkerWithoutSpaceBeforeColon", head + "<b>Your ID Code is: 48213</b>\n" + tail, ""},
        {"MarkerSplitAcrossLines", head + "<b>Your ID Code\nis : 48213</b>\n" + tail, ""},
        {"LoneCarriageReturnIsNotALineEnd", "Your ID Code is : 1\r2<\n", "Your ID Code is : 1\r2"},
        {"PairsWithoutMarker", head + "<p>You and Your site. Yours truly, Yo</p>\n" + tail, ""},
        {"EmptyReply", "", ""},
    };
}

std::string scanInPieces(std::string_view reply, std::size_t pieceSize) {
    ReplyScanner scanner;
    for (std::size_t at = 0; at < reply.size(); at += pieceSize) {
        scanner.feed(reply.substr(at, pieceSize));
    }
    scanner.finish();
    return scanner.takeIdCodeReply();
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
