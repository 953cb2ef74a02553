// The submission end to end against the stand-in service on 127.0.0.1: the
// request is read back by the stand-in's HTTP library, not by our code.

#include "submit/registration.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "standin_service.h"

namespace tavimor {
namespace {

using namespace std::chrono_literals;
using standin::Scenario;
using standin::StandinService;
using testing::ElementsAre;
using testing::Pair;
using testing::UnorderedElementsAre;
using testing::UnorderedElementsAreArray;
using Pairs = std::vector<std::pair<std::string, std::string>>;

// A proxy from the environment must not come between the tests and the
// stand-in; set before any thread exists.
const bool kNoProxyForLoopback = [] { return setenv("no_proxy", "127.0.0.1", 1) == 0; }();

const std::string kReminder =
    " \nYou will be receiving an email confirming your submission.\nPlease write your ID code "
    "and password down. \n You will need these information when you edit your settings.";
const std::string kConnectError = "Error Connecting....Please try again!";
const std::string kNoIdCode = "There was an error.  Please check your data and try again.";

// Short enough that a test waiting on one finishes in a few seconds.
const ExchangeLimits kShortLimits{1s, 1s, 10s};

// Runs the exchange against `hostAndPort` and notes how long it took.
std::pair<ExchangeResult, std::chrono::steady_clock::duration> timedExchange(
    const std::string& hostAndPort, const ExchangeLimits& limits = kShortLimits) {
    const auto start = std::chrono::steady_clock::now();
    ExchangeResult result = RunRegistrationExchange(SiteProfile{}, hostAndPort, limits);
    return {std::move(result), std::chrono::steady_clock::now() - start};
}

// The messages a whole submission to `hostAndPort` shows, in order.
std::vector<std::string> submissionMessages(const std::string& hostAndPort) {
    std::vector<std::string> shown;
    ReportRegistrationOutcome(RunRegistrationExchange(SiteProfile{}, hostAndPort, kShortLimits),
                              [&shown](const std::string& text) { shown.push_back(text); });
    return shown;
}

Scenario pageScenario(std::string page) {
    Scenario scenario;
    scenario.page = std::move(page);
    return scenario;
}

// A socket bound to a free loopback port; `address` receives the port.
int boundLoopback(sockaddr_in& address) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    return fd;
}

// A loopback port nothing listens on: bound once to learn a free number,
// then released.
int closedPort() {
    sockaddr_in address;
    close(boundLoopback(address));
    return ntohs(address.sin_port);
}

// The 26 pairs the service must read back from `profile`: the 25 values as
// typed (eight of them as the codes given), then the fixed submit pair.
Pairs expectedPairs(const SiteProfile& p, const std::vector<std::string>& codes) {
    return {{"site_name", p.site_name},     {"site_URL", p.site_URL},
            {"email", p.email},             {"user_name", p.user_name},
            {"password", p.password},       {"country", p.country},
            {"category", codes[0]},         {"logo_location", p.logo_location},
            {"logo_href", p.logo_href},     {"bg_colour", codes[1]},
            {"link_colour", codes[2]},      {"vlink_colour", codes[3]},
            {"alink_colour", codes[4]},     {"sbar_colour", codes[5]},
            {"sbartxt_colour", codes[6]},   {"link1_title", p.link1_title},
            {"link1_url", p.link1_url},     {"link2_title", p.link2_title},
            {"link2_url", p.link2_url},     {"link3_title", p.link3_title},
            {"link3_url", p.link3_url},     {"link4_title", p.link4_title},
            {"link4_url", p.link4_url},     {"category_num", codes[7]},
            {"query2", p.query2},           {"submit", "Click Here For Search Code"}};
}

SiteProfile awkwardProfile() {
    SiteProfile p;
    p.user_name = "Tom & Jerry";
    p.email = "tom+jerry@example.com";
    p.password = "p=a&s%s 100%";
    p.site_name = "Site\r\nName\twith breaks";
    p.site_URL = "http://example.com/?q=1&r=2#top";
    for (int b = 0; b < 256; ++b) p.logo_location += static_cast<char>(b);  // every byte
    p.logo_href = "\xC3\xA9t\xC3\xA9 \xFF\x80";
    p.bg_colour = "Red";
    p.alink_colour = "Blue";
    p.link_colour = "creme";
    p.sbar_colour = "Gold";
    p.sbartxt_colour = "Navy";
    p.vlink_colour = "Teal";
    p.link1_title = "%41%u0041";  // must not be decoded twice
    p.link2_title = "&submit=evil";
    p.link3_title = "  leading and trailing  ";
    p.link4_title = "";
    p.link1_url = "+";
    p.link2_url = "=";
    p.link3_url = "#";
    p.link4_url = std::string(3000, 'L');
    p.country = "de";
    p.category = "no such type";
    p.query2 = "a\nb";
    p.category_num = "All Categories";
    return p;
}

// The empty profile's body is checked byte for byte in-process; on the wire
// the awkward one shows that nothing is lost or split on the way.
TEST(RequestOnTheWire, ServiceReadsBackEveryValueAndOnlyTheExpectedHeaders) {
    const SiteProfile profile = awkwardProfile();
    StandinService service(pageScenario(standin::idPage()));
    ASSERT_TRUE(service.listening());
    const ExchangeResult result = RunRegistrationExchange(profile, service.hostAndPort(), kShortLimits);
    EXPECT_FALSE(result.failed) << result.errorDetail;

    const auto requests = service.requests();
    ASSERT_EQ(requests.size(), 1u);
    const standin::RecordedRequest& request = requests[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, "/cgi-bin/forever_cust.cgi");
    EXPECT_THAT(request.headers,
                UnorderedElementsAre(Pair("Host", service.hostAndPort()),
                                     Pair("Content-Type", "application/x-www-form-urlencoded"),
                                     Pair("Content-Length", std::to_string(request.body.size())),
                                     Pair("User-Agent", "Tavimor")));
    EXPECT_FALSE(request.body.ends_with("&"));
    EXPECT_EQ(request.body.find_first_of("\r\n"), std::string::npos);

    const Pairs expected = expectedPairs(
        profile, {"1031", "#FF0000", "#9F9F5F", "#008080", "#0000FF", "#FFCC35", "#000080", "none"});
    EXPECT_EQ(request.formPairsInOrder, expected);
    EXPECT_THAT(request.formParams, UnorderedElementsAreArray(expected));
}

TEST(RegistrationOutcome, MessagesInOrderForEveryResult) {
    const struct {
        bool failed;
        std::string reply;
        std::vector<std::string> shown;
    } cases[] = {
        {false, "", {kNoIdCode}},
        {true, "", {kConnectError, kNoIdCode}},
        {false, "Your ID Code is : 48213", {"Your ID Code is : 48213" + kReminder}},
        {true, "Your ID Code is : 48213", {kConnectError, "Your ID Code is : 48213" + kReminder}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        ReportRegistrationOutcome(ExchangeResult{c.failed, "detail", c.reply},
                                  [&shown](const std::string& text) { shown.push_back(text); });
        EXPECT_EQ(shown, c.shown) << "failed=" << c.failed << " reply=" << c.reply;
    }
}

TEST(RegistrationExchange, RefusedConnectionShowsBothErrorBoxes) {
    EXPECT_THAT(submissionMessages("127.0.0.1:" + std::to_string(closedPort())),
                ElementsAre(kConnectError, kNoIdCode));
}

TEST(RegistrationExchange, CutAfterTheIdLineKeepsTheCaptureAndReportsTheFailure) {
    Scenario scenario;
    ASSERT_TRUE(standin::namedScenario("cut", scenario));
    StandinService service(scenario);
    EXPECT_THAT(submissionMessages(service.hostAndPort()),
                ElementsAre(kConnectError, "Your ID Code is : 48213" + kReminder));
}

TEST(RegistrationExchange, EachSubmissionShowsOnlyItsOwnCapture) {
    StandinService service(pageScenario(standin::idPage()));
    EXPECT_THAT(submissionMessages(service.hostAndPort()),
                ElementsAre("Your ID Code is : 48213" + kReminder));
    service.setScenario(pageScenario(standin::idPage("<b>Your ID Code is : 777</b>")));
    EXPECT_THAT(submissionMessages(service.hostAndPort()),
                ElementsAre("Your ID Code is : 777" + kReminder));
    Scenario noMarker;
    ASSERT_TRUE(standin::namedScenario("no-marker", noMarker));
    service.setScenario(noMarker);
    EXPECT_THAT(submissionMessages(service.hostAndPort()), ElementsAre(kNoIdCode));
}

TEST(RegistrationExchange, TricklingReplyIsCutOffAtTheTotalLimit) {
    Scenario scenario = pageScenario(standin::idPage());
    scenario.delivery = Scenario::Delivery::Slow;
    scenario.pieceSize = 1;
    scenario.pause = 100ms;  // never stalls, but would take minutes to finish
    StandinService service(scenario);
    const auto [result, waited] = timedExchange(service.hostAndPort(), {1s, 1s, 2s});
    EXPECT_TRUE(result.failed);
    // curl starts its own clock a little after ours.
    EXPECT_GE(waited, 1500ms);
    EXPECT_LT(waited, 6s);
}

TEST(RegistrationExchange, SilentServiceCountsAsAFailureOnceTheStallLimitPasses) {
    Scenario scenario = pageScenario(standin::idPage());
    scenario.delivery = Scenario::Delivery::Silent;
    StandinService service(scenario);
    const auto [result, waited] = timedExchange(service.hostAndPort());
    EXPECT_TRUE(result.failed);
    EXPECT_THAT(result.errorDetail, testing::HasSubstr("no data"));
    EXPECT_EQ(result.idCodeReply, "");
    EXPECT_GE(waited, 1s);
    EXPECT_LT(waited, 5s);
}

// A service that accepts no connections and whose queue is full: the
// connection attempt hangs until the connect limit.
TEST(RegistrationExchange, ConnectAttemptGivesUpAtTheConnectLimit) {
    sockaddr_in address;
    const int listener = boundLoopback(address);
    ASSERT_EQ(listen(listener, 0), 0);
    const socklen_t size = sizeof address;
    std::vector<int> fillers;
    for (int i = 0; i < 4; ++i) {
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        connect(fd, reinterpret_cast<sockaddr*>(&address), size);
        fillers.push_back(fd);
    }
    const auto [result, waited] =
        timedExchange("127.0.0.1:" + std::to_string(ntohs(address.sin_port)));
    for (int fd : fillers) close(fd);
    close(listener);
    EXPECT_TRUE(result.failed);
    EXPECT_THAT(result.errorDetail, testing::HasSubstr("onnect"));
    EXPECT_LT(waited, 5s);
}

// Replies that arrive slowly but steadily, hold one 24 MiB line, or redirect
// (not followed: one request only) still yield the ID line.
TEST(RegistrationExchange, AwkwardRepliesAreStillReadAndScanned) {
    Scenario slow = pageScenario(standin::idPage());
    slow.delivery = Scenario::Delivery::Slow;
    slow.pieceSize = 80;
    slow.pause = 300ms;  // well inside the 1 s stall limit, four times over
    Scenario huge = pageScenario(standin::idPage());
    huge.fillerBytes = std::size_t{24} << 20;
    huge.fillerPattern = "<td>Your text, no line feed</td>";
    Scenario redirect = pageScenario(standin::idPage());
    redirect.status = 302;
    redirect.location = "/elsewhere";
    for (const Scenario& scenario : {slow, huge, redirect}) {
        StandinService service(scenario);
        const ExchangeResult result =
            RunRegistrationExchange(SiteProfile{}, service.hostAndPort(), kShortLimits);
        EXPECT_FALSE(result.failed) << result.errorDetail;
        EXPECT_EQ(result.idCodeReply, "Your ID Code is : 48213");
        EXPECT_EQ(service.requests().size(), 1u);
    }
}

TEST(RegistrationExchange, AddressThatCouldRedirectTheRequestIsRefusedUnsent) {
    StandinService service(pageScenario(standin::idPage()));
    const std::string real = service.hostAndPort();
    for (const std::string& host : {"user@" + real, "x:y@" + real, real + "/path?", real + "#",
                                    " " + real, std::string("127.0.0.1:0"),
                                    std::string("127.0.0.1:65536"), std::string("")}) {
        const ExchangeResult result = RunRegistrationExchange(SiteProfile{}, host, kShortLimits);
        EXPECT_TRUE(result.failed) << host;
        EXPECT_FALSE(result.errorDetail.empty()) << host;
    }
    EXPECT_TRUE(service.requests().empty());
}

}  // namespace
}  // namespace tavimor
