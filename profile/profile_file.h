#pragma once

#include <filesystem>
#include <optional>

#include "profile/profile_codec.h"

namespace tavimor {

// Reads the profile file at `file` into a fresh record. A file that is
// missing, unreadable, not a regular file, larger than kMaxProfileFileSize
// or cut short gives an error naming the file and the reason; nothing but the
// returned result is touched, so the caller replaces its record only on
// success. The file is read in one pass straight into the record's fields,
// so memory stays about the size of the file. Never blocks on a named pipe
// or device.
ProfileResult<SiteProfile> readProfileFile(const std::filesystem::path& file);

// Writes `profile` to `file` in the profile file format. The new bytes go to
// a temporary file beside it that replaces `file` only once every byte is
// written and on disk, so afterwards `file` holds either the whole new
// profile or exactly what it held before. A new file is readable and
// writable by its owner alone, since it holds the password in clear; an
// existing file keeps its permissions. A symbolic link is followed: the file
// it points to is replaced, or made if it does not exist yet; the link stays.
// Links that lead round in a circle are refused.
//
// Returns nothing when the profile was saved, else an error whose message
// names the file and says what went wrong.
std::optional<ProfileFileError> writeProfileFile(const std::filesystem::path& file,
                                                 const SiteProfile& profile);

}  // namespace tavimor
