#include "registrations/registration.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tavimor {
namespace {

constexpr std::string_view kIdCodeMarker = "Your ID Code is :";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The number of `digits` digits at the start of `text`, taken off it.
std::optional<int> takeNumber(std::string_view& text, std::size_t digits) {
    if (text.size() < digits) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(digits);
    return value;
}

bool takeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::string idCodeFromReply(std::string_view idText) {
    const std::size_t marker = idText.find(kIdCodeMarker);
    if (marker == std::string_view::npos) return {};
    std::string_view rest = idText.substr(marker + kIdCodeMarker.size());
    // A reply with several marker lines has its captures joined with nothing
    // between them; the code is the first one's.
    rest = rest.substr(0, rest.find(kIdCodeMarker));
    return std::string(trimmed(rest));
}

Registration makeRegistration(std::string idText, std::string host, SiteProfile form,
                              std::chrono::system_clock::time_point when) {
    Registration registration;
    registration.keptAt = localTimeWithOffset(when);
    registration.idCode = idCodeFromReply(idText);
    registration.idText = std::move(idText);
    registration.host = std::move(host);
    registration.form = std::move(form);
    registration.form.password.clear();
    return registration;
}

std::string localTimeWithOffset(std::chrono::system_clock::time_point when) {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(when));
    std::tm local{};
    ::localtime_r(&seconds, &local);
    const long offset = local.tm_gmtoff;
    const long minutes = std::labs(offset) / 60;
    char text[96];  // room for any value the fields could hold, not only real ones
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return text;
}

std::optional<std::chrono::sys_seconds> instantOf(std::string_view isoTime) {
    using namespace std::chrono;
    std::string_view text = isoTime;
    const auto year = takeNumber(text, 4);
    if (!year || !takeChar(text, '-')) return std::nullopt;
    const auto month = takeNumber(text, 2);
    if (!month || !takeChar(text, '-')) return std::nullopt;
    const auto day = takeNumber(text, 2);
    if (!day || !takeChar(text, 'T')) return std::nullopt;
    const auto hour = takeNumber(text, 2);
    if (!hour || !takeChar(text, ':')) return std::nullopt;
    const auto minute = takeNumber(text, 2);
    if (!minute || !takeChar(text, ':')) return std::nullopt;
    const auto second = takeNumber(text, 2);
    if (!second) return std::nullopt;
    int offsetMinutes = 0;
    if (!takeChar(text, 'Z')) {
        const int sign = takeChar(text, '+') ? 1 : takeChar(text, '-') ? -1 : 0;
        const auto offsetHours = sign ? takeNumber(text, 2) : std::nullopt;
        if (!offsetHours || !takeChar(text, ':')) return std::nullopt;
        const auto offsetRest = takeNumber(text, 2);
        if (!offsetRest || *offsetHours > 23 || *offsetRest > 59) return std::nullopt;
        offsetMinutes = sign * (*offsetHours * 60 + *offsetRest);
    }
    const year_month_day date{std::chrono::year(*year), std::chrono::month(unsigned(*month)),
                              std::chrono::day(unsigned(*day))};
    if (!text.empty() || !date.ok() || *hour > 23 || *minute > 59 || *second > 60) {
        return std::nullopt;
    }
    return sys_days(date) + hours(*hour) + minutes(*minute) + seconds(*second) -
           minutes(offsetMinutes);
}

RegistrationSummary summaryOf(const Registration& registration) {
    return {registration.id,
            registration.keptAt,
            registration.idCode,
            registration.form.site_name,
            registration.form.site_URL,
            registration.form.email,
            registration.passwordKept};
}

std::string passwordEntryName(const RegistrationSummary& registration) {
    return "Tavimor: " + registration.siteUrl + " (ID " + registration.idCode + ", " +
           registration.keptAt + ")";
}

std::string passwordEntryName(const Registration& registration) {
    return passwordEntryName(summaryOf(registration));
}

}  // namespace tavimor
