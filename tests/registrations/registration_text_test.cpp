#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "registration_samples.h"
#include "registrations/registration_text.h"

namespace tavimor {
namespace {

using namespace std::chrono;
using namespace testing_support;

// The code is what follows the marker, whatever the capture took before it
// (a greeting that starts with "Yo"), around it (spaces, a carriage return)
// or after it (a second marker line's capture).
TEST(IdCode, IsWhatFollowsTheMarkerTrimmed) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Your ID Code is : 48213", "48213"},
        {"You are welcome.  Your ID Code is :\t 48213 \r\n", "48213"},
        {"Your ID Code is : 48213Your ID Code is : 99", "48213"},
        {"Your ID Code is : AB 12", "AB 12"},
        {"Your ID Code is :", ""},
        {"You are welcome", ""},
        {"your id code is : 1", ""},
    };
    for (const auto& [text, code] : cases) EXPECT_EQ(idCodeFromReply(text), code) << text;

    SiteProfile sent = richProfile();
    sent.password = "s3cret";
    const Registration kept = makeRegistration("Your ID Code is : 7", "host:8080", sent,
                                               system_clock::from_time_t(1'800'000'000));
    EXPECT_EQ(kept.idCode, "7");
    EXPECT_EQ(kept.form.password, "");
    sent.password.clear();
    EXPECT_EQ(kept.form, sent);
    EXPECT_EQ(instantOf(kept.keptAt), sys_seconds(seconds(1'800'000'000)));
}

// `instant` as localTimeWithOffset gives it in the POSIX time zone `zone`.
std::string localIn(const char* zone, sys_seconds instant) {
    ::setenv("TZ", zone, 1);
    ::tzset();
    std::string text = localTimeWithOffset(instant);
    ::unsetenv("TZ");  // the system's zone again
    ::tzset();
    return text;
}

// Local time with the offset in force at that instant, summer time
// included, west of Greenwich too; and back to the same instant. Texts that
// are not such a time are refused rather than read as some other instant.
TEST(KeptAt, IsLocalTimeWithItsOffsetAndReadsBack) {
    const sys_seconds winter = sys_days(2026y / December / 7) + 22h + 5min + 7s;
    const sys_seconds summer = sys_days(2026y / July / 1) + 10h;
    EXPECT_EQ(localIn("CET-1CEST,M3.5.0,M10.5.0/3", winter), "2026-12-07T23:05:07+01:00");
    EXPECT_EQ(localIn("CET-1CEST,M3.5.0,M10.5.0/3", summer), "2026-07-01T12:00:00+02:00");
    EXPECT_EQ(localIn("EST5EDT,M3.2.0,M11.1.0", winter), "2026-12-07T17:05:07-05:00");
    EXPECT_EQ(localIn("IST-5:30", winter), "2026-12-08T03:35:07+05:30");
    for (const char* text : {"2026-12-07T23:05:07+01:00", "2026-12-07T17:05:07-05:00",
                             "2026-12-08T03:35:07+05:30", "2026-12-07T22:05:07Z"}) {
        EXPECT_EQ(instantOf(text), winter) << text;
    }
    for (const char* text :
         {"", "2026-12-07 23:05:07+01:00", "2026-12-07T23:05:07", "2026-13-07T23:05:07+01:00",
          "2026-02-30T23:05:07+01:00", "2026-12-07T24:05:07+01:00", "2026-12-07T23:05:07+0100",
          "2026-12-07T23:05:07+01:00 ", "2026-12-07T23:05:07+1:00"}) {
        EXPECT_EQ(instantOf(text), std::nullopt) << text;
    }
}

// However a value breaks lines or holds tabs, a registration stays one line
// of five tab-separated fields, and the escapes can be undone unambiguously.
TEST(ListingLine, IsOneLineOfFiveFieldsWhateverTheValuesHold) {
    Registration registration = sampleRegistration(1);
    EXPECT_EQ(listingLine(summaryOf(registration)),
              "2026-12-07T23:05:07+01:00\t48001\tSite 1\thttps://www.example.org/1\t"
              "ann1@example.org\n");

    registration.idCode = "4\t8";
    registration.form.site_name = std::string("Ann's\r\nsite\\ with \0 and \x7F", 25);
    registration.form.site_URL = "http://a\tb/";
    registration.form.email = "ann@example.org\n";
    const std::string line = listingLine(summaryOf(registration));
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4);
    EXPECT_EQ(line,
              "2026-12-07T23:05:07+01:00\t4\\t8\tAnn's\\r\\nsite\\\\ with \\x00 and \\x7F\t"
              "http://a\\tb/\tann@example.org\\n\n");
}

// RFC 4180: a header, CRLF after every row, quotes around fields that need
// them with their quotes doubled; the whole form but never a password; an
// ID code from the service that a spreadsheet would run as a formula is
// defused.
TEST(CsvExport, IsRfc4180WithTheWholeFormAndNoPassword) {
    Registration first = sampleRegistration(1);
    first.form.site_name = "Ann's \"best\", site";
    first.form.query2 = "two\r\nlines";
    first.form.password = "s3cret";  // never kept, and never exported even if handed in
    first.passwordKept = true;
    Registration second = sampleRegistration(2, "2026-12-06T08:00:00+01:00");
    second.idCode = "=HYPERLINK(\"http://x\")";
    const std::string csv = registrationsCsv({first, second});

    EXPECT_EQ(csv.find("s3cret"), std::string::npos);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Date,ID Code,Site Name,Site URL,E-mail,Name,Logo image URL,Logo link URL,"
              "Background Color,Active Link Text Color,Link Text Color,Search Result Bar Color,"
              "Search Result Bar Text Color,Visited Link Text Color,LINK 1 Title,LINK 2 Title,"
              "LINK 3 Title,LINK 4 Title,LINK 1 Url,LINK 2 Url,LINK 3 Url,LINK 4 Url,"
              "Country Code (2 digit code),Type of Site,Keyword,Target category,ID Text,Service,"
              "Password in Keyring");
    EXPECT_NE(csv.find("\r\n2026-12-07T23:05:07+01:00,48001,\"Ann's \"\"best\"\", site\","
                       "https://www.example.org/1,ann1@example.org,Ann Example 1,http://,"),
              std::string::npos);
    EXPECT_NE(csv.find(",\"two\r\nlines\",All Categories,Your ID Code is : 48001,"
                       "registration.tavimor.example,yes\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n2026-12-06T08:00:00+01:00,\"'=HYPERLINK(\"\"http://x\"\")\",Site 2,"),
              std::string::npos);
    EXPECT_TRUE(csv.ends_with(",registration.tavimor.example,no\r\n"));
    // The header and two rows, one of whose fields holds a CRLF.
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
}

}  // namespace
}  // namespace tavimor
