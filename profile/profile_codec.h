#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "profile/site_profile.h"
#include "profile/translatable_text.h"

namespace tavimor {

// The largest profile file that is read or written. The form's 25 texts come
// nowhere near it; the bound exists so that a stray large file is refused
// before any of it is read, so that loading never keeps the form busy for
// long (putting text into the controls is what costs), and so that nothing is
// saved that could not be loaded back.
inline constexpr std::uint64_t kMaxProfileFileSize = 2 * 1024 * 1024;

// Why a profile could not be written or read.
struct ProfileFileError {
    TranslatableText message;  // one complete sentence that can be shown to the user as it is
    std::string detail;        // for the log, untranslated: byte counts, calls, the system's words
};

// Either a value or the reason there is none. Asking a failed result for its
// value (or a good one for its error) throws std::bad_variant_access.
template <typename T>
class ProfileResult {
public:
    ProfileResult(T value) : state_(std::move(value)) {}
    ProfileResult(ProfileFileError error) : state_(std::move(error)) {}

    bool ok() const noexcept { return state_.index() == 0; }
    explicit operator bool() const noexcept { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const ProfileFileError& error() const { return std::get<ProfileFileError>(state_); }

private:
    std::variant<T, ProfileFileError> state_;
};

// The bytes of a profile file: the 25 fields in canonical order, each a
// length-prefixed byte string (one length byte below 255; 0xFF and a 16-bit
// length up to 0xFFFD; 0xFF, 0xFFFF and a 32-bit length beyond), integers
// little-endian, nothing before or after. Fails only when the file would be
// larger than kMaxProfileFileSize; the message is then a clause starting
// with "it would be", for a caller to place in a sentence.
ProfileResult<std::string> encodeProfile(const SiteProfile& profile);

// A fresh record from the bytes of a profile file. Accepts every length form,
// including longer ones than needed, and ignores bytes after the 25th field.
// A short input is an error that names the field it cuts as the form labels
// it, and is detected before that field's text is allocated, so no more than
// `bytes.size()` is ever allocated for the record.
ProfileResult<SiteProfile> decodeProfile(std::string_view bytes);

}  // namespace tavimor
