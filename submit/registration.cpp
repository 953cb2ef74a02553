#include "submit/registration.h"

#include <exception>

#include "submit/form_body.h"
#include "submit/reply_capture.h"

namespace tavimor {
namespace {

constexpr MarkedText kConnectErrorMessage =
    TAVIMOR_TRANSLATE_NOOP("Registration", "Error Connecting....Please try again!");
constexpr MarkedText kNoIdCodeMessage = TAVIMOR_TRANSLATE_NOOP(
    "Registration", "There was an error.  Please check your data and try again.");
//: %1 is the service's reply that holds the ID code, shown as the service sent it.
constexpr MarkedText kIdCodeMessage =
    TAVIMOR_TRANSLATE_NOOP("Registration",
                           "%1 \nYou will be receiving an email confirming your submission.\n"
                           "Please write your ID code and password down. \n"
                           " You will need these information when you edit your settings.");
constexpr MarkedText kStoppedMessage = TAVIMOR_TRANSLATE_NOOP(
    "Registration", "The submission was stopped.  The service may already have received the form.");

}  // namespace

ExchangeResult RunRegistrationExchange(const SiteProfile& profile, std::string_view host,
                                       const ExchangeLimits& limits, StopSignal* stop) {
    ExchangeResult result;
    ReplyScanner scanner;
    try {
        const std::string body = BuildRegistrationBody(profile);
        HttpPostResult post = PostForm(
            host, kRegistrationPath, body, limits,
            [&scanner](std::string_view piece) { scanner.feed(piece); }, stop);
        if (post.failed) {
            // Whatever was captured from complete lines before the failure
            // stays; the line that broke off is not trusted.
            scanner.abandon();
            result.failed = true;
            result.stopped = post.stopped;
            result.errorDetail = std::move(post.errorDetail);
        } else {
            scanner.finish();
        }
    } catch (const std::exception& e) {
        // Out of memory while building the body or reading the reply: the
        // user still gets the usual failure messages rather than none.
        scanner.abandon();
        result.failed = true;
        result.errorDetail = e.what();
    }
    result.idCodeReply = scanner.takeIdCodeReply();
    return result;
}

void ReportRegistrationOutcome(const ExchangeResult& result, const ShowMessage& show) {
    if (result.stopped) {
        show(kStoppedMessage);
        return;
    }
    if (result.failed) show(kConnectErrorMessage);
    if (result.idCodeReply.empty()) {
        show(kNoIdCodeMessage);
    } else {
        show({kIdCodeMessage, {result.idCodeReply}});
    }
}

}  // namespace tavimor
