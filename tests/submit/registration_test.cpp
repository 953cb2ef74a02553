// The submission end to end against the stand-in service on 127.0.0.1: the
// request is read back by the stand-in's HTTP library, not by our code.

#include "submit/registration.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "profile/profile_fields.h"
#include "standin_service.h"
#include "submit/stop_signal.h"

namespace tavimor {
namespace {

using namespace std::chrono_literals;
using standin::Scenario;
using standin::StandinService;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::Pair;
using testing::UnorderedElementsAre;

// A proxy from the environment must not come between the tests and the
// stand-in; set before any thread exists.
const bool kNoProxyForLoopback = [] { return setenv("no_proxy", "127.0.0.1", 1) == 0; }();

const std::string kReminder =
    " \nYou will be receiving an email confirming your submission.\nPlease write your ID code "
    "and password down. \n You will need these information when you edit your settings.";
const std::string kConnectError = "Error Connecting....Please try again!";
const std::string kNoIdCode = "There was an error.  Please check your data and try again.";
const std::string kIdLine = "Your ID Code is : 48213";

// Short enough that a test waiting on one finishes in a few seconds.
const ExchangeLimits kShortLimits{1s, 1s, 10s};

Scenario answering(std::string page = standin::idPage()) {
    Scenario scenario;
    scenario.page = std::move(page);
    return scenario;
}

// The messages a whole submission to `hostAndPort` shows, in order.
std::vector<std::string> submissionMessages(const std::string& hostAndPort) {
    std::vector<std::string> shown;
    ReportRegistrationOutcome(
        RunRegistrationExchange(SiteProfile{}, hostAndPort, kShortLimits),
        [&shown](const TranslatableText& text) { shown.push_back(text.english()); });
    return shown;
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

std::string loopbackAddress(const sockaddr_in& address) {
    return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

// Every field holds the form's own separators, line breaks and an escape that
// must not be decoded twice, one every byte value; the service must read back
// each value whole, with the codes of names it does not know, and no header
// but these four. (The order of the pairs is pinned by the body's own test.)
TEST(RequestOnTheWire, ServiceReadsBackEveryValueAndOnlyTheExpectedHeaders) {
    SiteProfile profile;
    for (const ProfileField& field : kProfileFields) {
        profile.*field.member = std::string(field.key) + " &submit=evil+%41=100% #\r\n\t";
    }
    // One field gets every byte value too; in all 25 they would pass the
    // 8 KiB the stand-in accepts.
    for (int b = 0; b < 256; ++b) profile.logo_location += static_cast<char>(b);
    StandinService service(answering());
    ASSERT_TRUE(service.listening());
    const ExchangeResult result =
        RunRegistrationExchange(profile, service.hostAndPort(), kShortLimits);
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
    const std::map<std::string, std::string> codes = {
        {"bg_colour", "#FFFFFF"},    {"link_colour", "#236B8E"}, {"vlink_colour", "#2F2F4F"},
        {"alink_colour", "#236B8E"}, {"sbar_colour", "#00FFFF"}, {"sbartxt_colour", "#2F2F4F"},
        {"category", "1031"},        {"category_num", "none"}};
    std::map<std::string, std::string> expected = {{"submit", "Click Here For Search Code"}};
    for (const ProfileField& field : kProfileFields) {
        const std::string key(field.key);
        expected[key] = codes.count(key) ? codes.at(key) : profile.*field.member;
    }
    ASSERT_EQ(request.formPairsInOrder.size(), expected.size());
    for (const auto& [key, value] : request.formPairsInOrder) {
        EXPECT_EQ(expected[key], value) << key << " arrived as \"" << value << '"';
    }
}

// The messages in their order: the connect error first when the exchange
// failed, then the captured text with the reminder, or the error when there
// was none.
TEST(RegistrationExchange, ShowsTheMessagesForEveryOutcomeInOrder) {
    sockaddr_in address;
    close(boundLoopback(address));  // a port nothing listens on
    EXPECT_THAT(submissionMessages(loopbackAddress(address)),
                ElementsAre(kConnectError, kNoIdCode));
    Scenario cut, noMarker;
    ASSERT_TRUE(standin::namedScenario("cut", cut) &&
                standin::namedScenario("no-marker", noMarker));
    StandinService service(cut);
    EXPECT_THAT(submissionMessages(service.hostAndPort()),
                ElementsAre(kConnectError, kIdLine + kReminder));
    service.setScenario(noMarker);
    EXPECT_THAT(submissionMessages(service.hostAndPort()), ElementsAre(kNoIdCode));
    service.setScenario(answering());
    EXPECT_THAT(submissionMessages(service.hostAndPort()), ElementsAre(kIdLine + kReminder));
}

// Each limit ends an exchange that would otherwise hold the application: a
// connection that never stands (a listener whose queue is full), a service
// that goes silent, a reply that trickles in forever. Lower bounds show the
// right limit ended it; upper bounds are loose, for a loaded machine.
TEST(RegistrationExchange, EachTimeLimitEndsAnExchangeThatWouldHangAsAFailure) {
    sockaddr_in address;
    const int listener = boundLoopback(address);
    ASSERT_EQ(listen(listener, 0), 0);
    std::vector<int> fillers;
    for (int i = 0; i < 4; ++i) {
        fillers.push_back(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0));
        connect(fillers.back(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    Scenario silent = answering();
    silent.delivery = Scenario::Delivery::Silent;
    Scenario trickling = answering();
    trickling.delivery = Scenario::Delivery::Slow;
    trickling.pieceSize = 1;
    trickling.pause = 100ms;  // never stalls, but would take minutes to finish
    StandinService silentService(silent);
    StandinService tricklingService(trickling);
    const struct {
        const char* name;
        std::string hostAndPort;
        ExchangeLimits limits;
        const char* detail;
        std::chrono::milliseconds atLeast;
    } cases[] = {
        {"connect", loopbackAddress(address), {1s, 5s, 20s}, "Timeout was reached", 900ms},
        {"stall",
         silentService.hostAndPort(),
         {5s, 1s, 20s},
         "no data from the service for 1 s",
         1s},
        // curl starts its own clock a little after ours.
        {"total", tricklingService.hostAndPort(), {5s, 5s, 2s}, "Operation timed out", 1500ms},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const ExchangeResult result =
            RunRegistrationExchange(SiteProfile{}, c.hostAndPort, c.limits);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_TRUE(result.failed) << c.name;
        EXPECT_THAT(result.errorDetail, HasSubstr(c.detail)) << c.name;
        EXPECT_GE(waited, c.atLeast) << c.name;
        EXPECT_LT(waited, 15s) << c.name;
    }
    for (int fd : fillers) close(fd);
    close(listener);
}

// A stop from another thread ends an exchange with a silent service at once,
// long before any limit, and says only that it was stopped; a stop that came
// first sends nothing at all.
TEST(RegistrationExchange, AStopEndsItAtOnceWithItsOwnMessage) {
    Scenario silent = answering();
    silent.delivery = Scenario::Delivery::Silent;
    StandinService service(silent);
    StopSignal stop;
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(300ms);
        stop.stop();
    });
    const auto start = std::chrono::steady_clock::now();
    const ExchangeResult result =
        RunRegistrationExchange(SiteProfile{}, service.hostAndPort(), {5s, 5s, 20s}, &stop);
    const auto waited = std::chrono::steady_clock::now() - start;
    stopper.join();
    EXPECT_TRUE(result.failed && result.stopped);
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 800ms);
    std::vector<std::string> shown;
    ReportRegistrationOutcome(
        result, [&shown](const TranslatableText& text) { shown.push_back(text.english()); });
    EXPECT_THAT(shown, ElementsAre("The submission was stopped.  The service may already have "
                                   "received the form."));

    const std::size_t received = service.requests().size();
    EXPECT_TRUE(RunRegistrationExchange(SiteProfile{}, service.hostAndPort(), {}, &stop).stopped);
    EXPECT_EQ(service.requests().size(), received);
}

// Replies that arrive slowly but steadily, or redirect (not followed: one
// request only), still yield the ID line.
TEST(RegistrationExchange, AwkwardRepliesAreStillReadAndScanned) {
    Scenario slow = answering();
    slow.delivery = Scenario::Delivery::Slow;
    slow.pieceSize = 80;
    slow.pause = 300ms;  // well inside the 1 s stall limit, four times over
    Scenario redirect = answering();
    redirect.status = 302;
    redirect.location = "/elsewhere";
    for (const Scenario& scenario : {slow, redirect}) {
        StandinService service(scenario);
        const ExchangeResult result =
            RunRegistrationExchange(SiteProfile{}, service.hostAndPort(), kShortLimits);
        EXPECT_FALSE(result.failed) << result.errorDetail;
        EXPECT_EQ(result.idCodeReply, kIdLine);
        EXPECT_EQ(service.requests().size(), 1u);
    }
}

// Only a plain host[:port] is ever used, and the one the build was
// configured with is one.
TEST(RegistrationExchange, AddressThatCouldRedirectTheRequestIsRefusedUnsent) {
    StandinService service(answering());
    const std::string real = service.hostAndPort();
    for (const std::string& host :
         {"user@" + real, "x:y@" + real, real + "/path?", real + "#", " " + real, "-" + real,
          "." + real, std::string("127.0.0.1:0"), std::string("127.0.0.1:000080"),
          std::string("127.0.0.1:65536"), std::string("[::G]:80"), std::string("[::g]:80"),
          std::string("")}) {
        const ExchangeResult result = RunRegistrationExchange(SiteProfile{}, host, kShortLimits);
        EXPECT_TRUE(result.failed) << host;
        EXPECT_EQ(result.errorDetail, "not a usable service address: \"" + host + '"');
    }
    EXPECT_TRUE(service.requests().empty());
    EXPECT_EQ(RegistrationHost(), CONFIGURED_REGISTRATION_HOST);
    EXPECT_TRUE(isValidHostAndPort(RegistrationHost()));
    // Every letter and digit at either end of the ranges a host may use.
    EXPECT_TRUE(isValidHostAndPort("[FA::af:09]:8080") && isValidHostAndPort("Za-z9.0a:1") &&
                isValidHostAndPort("[::ffff:127.0.0.1]:80"));
    EXPECT_TRUE(isValidHostAndPort(std::string(253, 'h')) &&
                !isValidHostAndPort(std::string(254, 'h')));
}

}  // namespace
}  // namespace tavimor
