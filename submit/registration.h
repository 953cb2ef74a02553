#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "profile/site_profile.h"
#include "profile/translatable_text.h"
#include "submit/http_exchange.h"

namespace tavimor {

// Shows one modal message with a single OK button and returns when the user
// has dismissed it. The app shows real message boxes, translated; tests
// record the texts.
using ShowMessage = std::function<void(const TranslatableText& text)>;

// The registration service's address, fixed when the program is built
// (CMake cache variable TAVIMOR_REGISTRATION_HOST): "host" or "host:port",
// port 80 when none is given.
std::string_view RegistrationHost();

// What one exchange with the service produced.
struct ExchangeResult {
    bool failed = false;      // could not connect, send or read to the end
    bool stopped = false;     // failed because it was stopped on request
    std::string errorDetail;  // the HTTP client's words, for diagnostics only
    std::string idCodeReply;  // captured ID text; kept even after a failure mid-reply
};

// A submission is these two halves, run by whoever shows the messages: the
// exchange wherever blocking does no harm, then the report where the user
// sees it.

// The network half of a submission: builds the body from `profile` (codes
// computed here), POSTs it to `host`, and captures the ID text from the reply.
// Blocking; safe to call off the UI thread; shows nothing. `stop`, when
// given, ends it early from another thread.
ExchangeResult RunRegistrationExchange(const SiteProfile& profile,
                                       std::string_view host = RegistrationHost(),
                                       const ExchangeLimits& limits = {},
                                       StopSignal* stop = nullptr);

// The user-facing half: the connect-error box if the exchange failed, then
// either the "There was an error" box or the captured text with the reminder.
// The captured text is the service's and is never translated; the reminder
// after it is the program's.
// A stopped exchange shows one message that says so, and nothing else: what
// it captured, if anything, is incomplete.
void ReportRegistrationOutcome(const ExchangeResult& result, const ShowMessage& show);

}  // namespace tavimor
