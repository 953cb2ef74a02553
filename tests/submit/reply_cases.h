#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavimor {

// Reply pages and what the capture must take from them; run both straight
// through the scanner and over loopback HTTP.
struct ReplyCase {
    const char* name;
    std::string reply;
    std::string expected;
};

inline void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.name; }

inline std::vector<ReplyCase> replyCases() {
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

}  // namespace tavimor
