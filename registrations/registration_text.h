#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "registrations/registration.h"

namespace tavimor {

// One registration as a line of the listing that `tavimor --registrations`
// prints: the date and time (ISO 8601 with offset), the ID code, the site
// name, the site URL and the e-mail address, separated by single tabs and
// ended by a line feed. So that one registration stays one line of five
// fields whatever its values hold, a backslash in a value is written "\\",
// a tab "\t", a line feed "\n", a carriage return "\r", and any other control
// byte "\xHH" (two upper-case hex digits); every other byte is written as it
// is. Reading a field back means undoing exactly these escapes.
std::string listingLine(const RegistrationSummary& registration);

// The registrations as CSV (RFC 4180): a header row, then one row per
// registration in the order given, every row ended by CRLF; a field holding
// a comma, a double quote, a CR or an LF is quoted, its quotes doubled.
// The columns: Date, ID Code, Site Name, Site URL, E-mail, the other fields of
// the form as sent (by their labels, in the form's order), ID Text, Service,
// Password in Keyring ("yes" or "no"). No password is ever among them. The
// bytes are written as they are; the caller hands in UTF-8.
//
// The ID code and ID text come from the service, not from the user: one that
// starts with "=", "+", "-" or "@" gets a leading apostrophe, so that a
// spreadsheet shows it as text instead of running it as a formula.
std::string registrationsCsv(const std::vector<Registration>& registrations);

}  // namespace tavimor
