#include "profile/profile_codec.h"

#include <cstring>
#include <optional>

#include "profile/profile_decoder.h"
#include "profile/profile_fields.h"

namespace tavimor {
namespace {

// A first byte of 0xFF means "the length follows as 16 bits", and a 16-bit
// length of 0xFFFF means "the length follows as 32 bits". Every shorter
// length is written in the shortest form that cannot be mistaken for one of
// these escapes.
constexpr unsigned kWideMark = 0xFF;
constexpr std::uint32_t kLongMark = 0xFFFF;

std::size_t prefixSize(std::size_t length) {
    if (length < kWideMark) return 1;
    if (length < kLongMark - 1) return 3;
    return 7;
}

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void appendPrefix(std::string& out, std::uint32_t length) {
    switch (prefixSize(length)) {
    case 1:
        out.push_back(static_cast<char>(length));
        break;
    case 3:
        out.push_back(static_cast<char>(kWideMark));
        appendLittleEndian(out, length, 2);
        break;
    default:
        out.push_back(static_cast<char>(kWideMark));
        appendLittleEndian(out, kLongMark, 2);
        appendLittleEndian(out, length, 4);
        break;
    }
}

std::uint32_t readLittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

// What the log is told about a field: its number and key, for whoever reads
// the file with a hex viewer.
std::string fieldForLog(std::size_t index) {
    return "field " + std::to_string(index + 1) + " (" + std::string(kProfileFields[index].key) +
           ")";
}

// Where the decoder stands in its source, and why it stopped if it did.
struct Cursor {
    detail::ProfileByteSource& source;
    std::uint64_t size;
    std::uint64_t offset = 0;
    ProfileFileError failure;

    std::uint64_t left() const { return size - offset; }

    bool take(void* out, std::size_t count) {
        if (std::optional<ProfileFileError> failed = source.read(static_cast<char*>(out), count)) {
            failure = std::move(*failed);
            return false;
        }
        offset += count;
        return true;
    }
};

class MemorySource final : public detail::ProfileByteSource {
public:
    explicit MemorySource(std::string_view bytes) : rest_(bytes) {}

    std::optional<ProfileFileError> read(char* out, std::size_t count) override {
        if (count > 0) std::memcpy(out, rest_.data(), count);
        rest_.remove_prefix(count);
        return std::nullopt;
    }

private:
    std::string_view rest_;
};

}  // namespace

ProfileResult<std::string> encodeProfile(const SiteProfile& profile) {
    std::uint64_t total = 0;
    for (const ProfileField& field : kProfileFields) {
        const std::size_t length = (profile.*field.member).size();
        total += prefixSize(length) + length;
    }
    // The limit also keeps every length within the 32-bit prefix.
    if (total > kMaxProfileFileSize) {
        return ProfileFileError{
            //: %1 is the size in bytes; %2 the largest a profile can be, such as "2 MiB".
            {TAVIMOR_TRANSLATE_NOOP("ProfileFile",
                                    "it would be %1 bytes long, more than the %2 a profile file "
                                    "can be"),
             {std::to_string(total), detail::maxProfileFileSizeText()}},
            {}};
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(total));
    for (const ProfileField& field : kProfileFields) {
        const std::string& text = profile.*field.member;
        appendPrefix(out, static_cast<std::uint32_t>(text.size()));
        out += text;
    }
    return out;
}

ProfileResult<SiteProfile> decodeProfile(std::string_view bytes) {
    MemorySource source(bytes);
    ProfileResult<SiteProfile> result = detail::decodeProfileFrom(source, bytes.size());
    if (result) return result;
    return ProfileFileError{
        {TAVIMOR_TRANSLATE_NOOP("ProfileFile", "The profile is incomplete: %1."),
         {result.error().message}},
        result.error().detail};
}

namespace detail {

std::string maxProfileFileSizeText() { return std::to_string(kMaxProfileFileSize >> 20) + " MiB"; }

ProfileResult<SiteProfile> decodeProfileFrom(ProfileByteSource& source, std::uint64_t size) {
    // Filled out of sight of the caller, who gets it only when all 25 fields
    // were read.
    SiteProfile profile;
    Cursor at{source, size, 0, {}};
    for (std::size_t index = 0; index < kProfileFields.size(); ++index) {
        const std::uint64_t start = at.offset;
        // Every way of falling short says the same to the user, naming the
        // field by the words the form labels it with, which a user can find
        // on the screen; the log gets the numbers.
        const auto cut = [&](bool before, const std::string& how) {
            return ProfileFileError{
                //: %1 is the field's label as the form shows it.
                {before ? TAVIMOR_TRANSLATE_NOOP("ProfileFile", "it ends before the field \"%1\"")
                        : TAVIMOR_TRANSLATE_NOOP("ProfileFile",
                                                 "it ends in the middle of the field \"%1\""),
                 {TranslatableText(kProfileFields[index].label)}},
                fieldForLog(index) + " at offset " + std::to_string(start) + ": " + how};
        };
        if (at.left() == 0)
            return cut(true, "the file has only " + std::to_string(size) + " bytes");
        unsigned char prefix[6];
        if (!at.take(prefix, 1)) return at.failure;
        std::uint32_t length = prefix[0];
        if (length == kWideMark) {
            if (at.left() < 2) return cut(false, "cut inside its length");
            if (!at.take(prefix, 2)) return at.failure;
            length = readLittleEndian(prefix, 2);
            if (length == kLongMark) {
                if (at.left() < 4) return cut(false, "cut inside its length");
                if (!at.take(prefix, 4)) return at.failure;
                length = readLittleEndian(prefix, 4);
            }
        }
        // Checked before allocating: a few bytes must not be able to claim
        // gigabytes.
        if (length > at.left()) {
            return cut(false, "declares " + std::to_string(length) + " bytes where only " +
                                  std::to_string(at.left()) + " remain");
        }
        std::string& text = profile.*kProfileFields[index].member;
        text.resize(length);
        if (!at.take(text.data(), length)) return at.failure;
    }
    return profile;
}

}  // namespace detail
}  // namespace tavimor
