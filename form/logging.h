#pragma once

#include <QLoggingCategory>

namespace tavimor {

// Where the details behind a short message box go: the HTTP client's words
// behind "Error Connecting....", the system's words behind a failed Save or
// Load. Warnings show on the terminal by default (QT_LOGGING_RULES can
// silence them), so a user who reports a failure can be asked for the line.
Q_DECLARE_LOGGING_CATEGORY(lcSubmit)
Q_DECLARE_LOGGING_CATEGORY(lcProfile)
// The record of registrations and the keyring: SQLite's and the keyring's
// own words. Never a password.
Q_DECLARE_LOGGING_CATEGORY(lcRegistrations)

}  // namespace tavimor
