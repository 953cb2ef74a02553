#pragma once

#include <QString>

#include <optional>

#include "profile/site_profile.h"

namespace tavimor {

// Writes `profile` to `file` in the profile file format. The new bytes go to
// a temporary file beside it that replaces `file` only once every byte is
// written and on disk, so afterwards `file` holds either the whole new
// profile or exactly what it held before. A new file is readable and
// writable by its owner alone, since it holds the password in clear; an
// existing file keeps its permissions.
//
// Returns nothing when the profile was saved, else one sentence for the user
// that names the file and says what went wrong.
std::optional<QString> saveProfileFile(const QString& file, const SiteProfile& profile);

}  // namespace tavimor
