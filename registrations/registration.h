#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "profile/site_profile.h"

namespace tavimor {

// One kept registration: what a submission that the service answered with
// an ID gave, as it was when it was kept. The password is never part of it:
// it goes to the desktop's keyring, and `passwordKept` says whether the
// keyring took it.
struct Registration {
    std::int64_t id = 0;  // the store's row id; 0 before it is kept
    std::string keptAt;   // local time with its offset, e.g. 2026-12-07T23:05:07+01:00
    std::string idText;   // the ID text as the reply capture gave it, any bytes
    std::string idCode;   // the code out of it (idCodeFromReply)
    std::string host;     // the service's host, as the form was posted to it
    SiteProfile form;     // the form as sent, its password empty
    bool passwordKept = false;

    bool operator==(const Registration&) const = default;
};

// What the list of registrations shows of each: enough to find one and to
// name its keyring entry, without the rest of its form.
struct RegistrationSummary {
    std::int64_t id = 0;
    std::string keptAt;
    std::string idCode;
    std::string siteName;
    std::string siteUrl;
    std::string email;
    bool passwordKept = false;

    bool operator==(const RegistrationSummary&) const = default;
};

RegistrationSummary summaryOf(const Registration& registration);

// What follows the first "Your ID Code is :" in the captured ID text, up to
// the next such marker if the reply held several, without the spaces, tabs
// and line breaks around it. Empty when the text holds no marker.
std::string idCodeFromReply(std::string_view idText);

// A registration of `form` as sent to `host`, answered with `idText`, kept
// at `when` in the local time zone. The password is left out.
Registration makeRegistration(std::string idText, std::string host, SiteProfile form,
                              std::chrono::system_clock::time_point when);

// `when` in the local time zone, in ISO 8601 with its offset from UTC, to the
// second: 2026-12-07T23:05:07+01:00.
std::string localTimeWithOffset(std::chrono::system_clock::time_point when);

// The instant a text of that form (or ending in "Z") stands for; nothing for
// any other text.
std::optional<std::chrono::sys_seconds> instantOf(std::string_view isoTime);

// The name of the keyring entry that holds the password of `registration`,
// chosen so that a person finds it in a keyring manager and so that no two
// registrations share one: the site's address, the ID code and when it was
// kept, e.g. "Tavimor: https://www.example.org/ (ID 48213, 2026-12-07T23:05:07+01:00)".
std::string passwordEntryName(const RegistrationSummary& registration);
std::string passwordEntryName(const Registration& registration);

}  // namespace tavimor
