#pragma once

#include <filesystem>

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

}  // namespace tavimor
