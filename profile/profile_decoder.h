#pragma once

// Internal to profile/: the one decoder behind decodeProfile and
// readProfileFile, reading from memory or from a file alike.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "profile/profile_codec.h"

namespace tavimor::detail {

// A forward-only supply of a known number of bytes.
class ProfileByteSource {
public:
    virtual ~ProfileByteSource() = default;

    // Copies the next `count` bytes to `out`. The decoder never asks for more
    // than is left of the size it was given. Returns nothing on success, else
    // why the bytes could not be had: a message that is a clause such as
    // "reading it failed", and the system's words for the log.
    virtual std::optional<ProfileFileError> read(char* out, std::size_t count) = 0;
};

// Decodes the 25 fields from `source`, which holds `size` bytes. Every
// declared length is checked against what is left of `size` before the
// field's text is allocated. On failure the error's message is a clause
// starting with "it ", e.g. "it ends in the middle of the field \"Logo link
// URL\"", for the caller to place in a sentence that names the source.
ProfileResult<SiteProfile> decodeProfileFrom(ProfileByteSource& source, std::uint64_t size);

// How kMaxProfileFileSize reads in a message: "2 MiB".
std::string maxProfileFileSizeText();

}  // namespace tavimor::detail
