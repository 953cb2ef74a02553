#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "profile/posix_file.h"
#include "profile/profile_decoder.h"
#include "profile/profile_file.h"

namespace tavimor {
namespace {

using detail::callFailed;
using detail::FileDescriptor;
using detail::systemText;

// Buffered so that the many small length prefixes of a typical profile cost
// one system call, while a long field's text is read straight into the field
// without passing through the buffer.
class FileSource final : public detail::ProfileByteSource {
public:
    FileSource(int fd, const std::string& path) : fd_(fd), path_(path) {}

    std::optional<ProfileFileError> read(char* out, std::size_t count) override {
        while (count > 0) {
            if (begin_ < end_) {
                const std::size_t n = std::min(count, end_ - begin_);
                std::memcpy(out, buffer_.data() + begin_, n);
                begin_ += n;
                out += n;
                count -= n;
            } else if (count >= buffer_.size()) {
                std::size_t got = 0;
                if (auto failed = readSome(out, count, got)) return failed;
                out += got;
                count -= got;
            } else {
                begin_ = 0;
                end_ = 0;
                if (auto failed = readSome(buffer_.data(), buffer_.size(), end_)) return failed;
            }
        }
        return std::nullopt;
    }

private:
    std::optional<ProfileFileError> readSome(char* out, std::size_t count, std::size_t& got) {
        ssize_t n;
        do {
            n = ::read(fd_, out, count);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            const int error = errno;
            return ProfileFileError{
                //: %1 is the system's words for the error.
                {TAVIMOR_TRANSLATE_NOOP("ProfileFile", "reading it failed (%1)"),
                 {systemText(error)}},
                callFailed("read", path_, error)};
        }
        // The size was taken when the file was opened; someone cut it since.
        if (n == 0) {
            return ProfileFileError{
                TAVIMOR_TRANSLATE_NOOP("ProfileFile", "it became shorter while it was being read"),
                "read(\"" + path_ + "\"): end of file before the size it had"};
        }
        got = static_cast<std::size_t>(n);
        return std::nullopt;
    }

    int fd_;
    const std::string& path_;
    std::array<char, 16 * 1024> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

TranslatableText openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return TAVIMOR_TRANSLATE_NOOP("ProfileFile", "there is no such file");
    case EACCES:
    case EPERM:
        return TAVIMOR_TRANSLATE_NOOP("ProfileFile", "you have no permission to read it");
    default:
        return {TAVIMOR_TRANSLATE_NOOP("ProfileFile", "it cannot be opened (%1)"),
                {systemText(error)}};
    }
}

// Why the opened file is not one to read, or nothing; `size` is its size.
std::optional<ProfileFileError> checkOpenedFile(int fd, const std::string& path,
                                                std::uint64_t& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        return ProfileFileError{
            {TAVIMOR_TRANSLATE_NOOP("ProfileFile", "its size cannot be read (%1)"),
             {systemText(error)}},
            callFailed("fstat", path, error)};
    }
    if (S_ISDIR(info.st_mode)) {
        return ProfileFileError{TAVIMOR_TRANSLATE_NOOP("ProfileFile", "it is a folder, not a file"),
                                {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return ProfileFileError{TAVIMOR_TRANSLATE_NOOP("ProfileFile", "it is not a regular file"),
                                {}};
    }
    size = static_cast<std::uint64_t>(info.st_size);
    if (size > kMaxProfileFileSize) {
        return ProfileFileError{
            //: %1 is the file's size in bytes; %2 the largest a profile can be, such as "2 MiB".
            {TAVIMOR_TRANSLATE_NOOP("ProfileFile",
                                    "it is %1 bytes long, more than the %2 a profile file can be, "
                                    "so it was not read"),
             {std::to_string(size), detail::maxProfileFileSizeText()}},
            {}};
    }
    return std::nullopt;
}

}  // namespace

ProfileResult<SiteProfile> readProfileFile(const std::filesystem::path& file) {
    const std::string path = file.string();
    const auto failed = [&path](ProfileFileError why) {
        return ProfileFileError{
            //: %1 is the file's path; %2 says why, in one of this context's clauses.
            {TAVIMOR_TRANSLATE_NOOP("ProfileFile", "Cannot load the profile \"%1\": %2."),
             {path, std::move(why.message)}},
            std::move(why.detail)};
    };
    // Non-blocking so that opening a named pipe with no writer returns at
    // once and is then refused as not a regular file; it changes nothing for
    // the regular files that are actually read.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) {
        const int error = errno;
        return failed({openFailure(error), callFailed("open", path, error)});
    }
    std::uint64_t size = 0;
    if (auto refused = checkOpenedFile(fd.get(), path, size)) return failed(std::move(*refused));

    FileSource source(fd.get(), path);
    ProfileResult<SiteProfile> result = detail::decodeProfileFrom(source, size);
    if (result) return result;
    return failed(result.error());
}

}  // namespace tavimor
