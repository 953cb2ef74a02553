#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "profile/site_profile.h"

namespace tavimor {

// Shows one modal message with a single OK button and returns when the user
// has dismissed it. The app shows real message boxes; tests record the texts.
using ShowMessage = std::function<void(const std::string& text)>;

// The registration service's address, fixed when the program is built
// (CMake cache variable TAVIMOR_REGISTRATION_HOST): "host" or "host:port",
// port 80 when none is given.
std::string_view RegistrationHost();

// Sets up the HTTP client for the whole process. The app's main calls it
// first, before any thread starts; the exchange calls it too (only the first
// call does anything), so code that never calls it still works. False when
// the client could not be set up; every exchange then fails.
bool InitHttpClient();

// How long the exchange may wait before it counts as a connection failure.
struct ExchangeLimits {
    std::chrono::seconds connectTimeout{30};  // to establish the connection
    std::chrono::seconds stallTimeout{60};    // with no byte of the reply arriving
    // For the whole exchange: a reply that trickles in a byte at a time never
    // stalls, and the dialog takes no input while it waits, so without this
    // limit such a service could hold the application for ever.
    std::chrono::seconds totalTimeout{300};
};

// What one exchange with the service produced.
struct ExchangeResult {
    bool failed = false;        // could not connect, send or read to the end
    std::string errorDetail;    // the HTTP client's words, for diagnostics only
    std::string idCodeReply;    // captured ID text; kept even after a failure mid-reply
};

// The network half of a submission: builds the body from `profile` (codes
// computed here), POSTs it to `host`, and captures the ID text from the reply.
// Blocking; safe to call off the UI thread; shows nothing.
ExchangeResult RunRegistrationExchange(const SiteProfile& profile,
                                       std::string_view host = RegistrationHost(),
                                       const ExchangeLimits& limits = {});

// The user-facing half: the connect-error box if the exchange failed, then
// either the "There was an error" box or the captured text with the reminder.
void ReportRegistrationOutcome(const ExchangeResult& result, const ShowMessage& show);

// A whole submission: empties `idCodeReply`, runs the exchange, stores the
// capture in `idCodeReply` and reports the outcome through `show`.
void SubmitRegistration(const SiteProfile& profile, std::string& idCodeReply,
                        const ShowMessage& show,
                        std::string_view host = RegistrationHost());

}  // namespace tavimor
