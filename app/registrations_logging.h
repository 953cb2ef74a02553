#pragma once

#include <QLoggingCategory>

namespace tavimor {

// The detail behind what the record of registrations and the keyring tell
// the user: SQLite's and the keyring's own words. Never a password.
Q_DECLARE_LOGGING_CATEGORY(lcRegistrations)

}  // namespace tavimor
