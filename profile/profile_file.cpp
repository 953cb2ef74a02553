#include "profile/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "profile/profile_decoder.h"

namespace tavimor {
namespace {

std::string errorText(int error) { return std::generic_category().message(error); }

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }

private:
    int fd_;
};

// Buffered so that the many small length prefixes of a typical profile cost
// one system call, while a long field's text is read straight into the field
// without passing through the buffer.
class FileSource final : public detail::ProfileByteSource {
public:
    explicit FileSource(int fd) : fd_(fd) {}

    std::string read(char* out, std::size_t count) override {
        while (count > 0) {
            if (begin_ < end_) {
                const std::size_t n = std::min(count, end_ - begin_);
                std::memcpy(out, buffer_.data() + begin_, n);
                begin_ += n;
                out += n;
                count -= n;
            } else if (count >= buffer_.size()) {
                std::size_t got = 0;
                if (std::string failure = readSome(out, count, got); !failure.empty()) return failure;
                out += got;
                count -= got;
            } else {
                begin_ = 0;
                end_ = 0;
                if (std::string failure = readSome(buffer_.data(), buffer_.size(), end_);
                    !failure.empty()) {
                    return failure;
                }
            }
        }
        return {};
    }

private:
    std::string readSome(char* out, std::size_t count, std::size_t& got) {
        ssize_t n;
        do {
            n = ::read(fd_, out, count);
        } while (n < 0 && errno == EINTR);
        if (n < 0) return "reading it failed (" + errorText(errno) + ")";
        // The size was taken when the file was opened; someone cut it since.
        if (n == 0) return "it became shorter while it was being read";
        got = static_cast<std::size_t>(n);
        return {};
    }

    int fd_;
    std::array<char, 16 * 1024> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

std::string openFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "there is no such file";
    case EACCES:
    case EPERM:
        return "you have no permission to read it";
    default:
        return "it cannot be opened (" + errorText(error) + ")";
    }
}

std::string checkOpenedFile(int fd, std::uint64_t& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return "its size cannot be read (" + errorText(errno) + ")";
    if (S_ISDIR(info.st_mode)) return "it is a folder, not a file";
    if (!S_ISREG(info.st_mode)) return "it is not a regular file";
    size = static_cast<std::uint64_t>(info.st_size);
    if (size > kMaxProfileFileSize) {
        return "it is " + std::to_string(size) +
               " bytes long, more than the 64 MiB a profile file can be, so it was not read";
    }
    return {};
}

}  // namespace

ProfileResult<SiteProfile> readProfileFile(const std::filesystem::path& file) {
    const auto failed = [&file](const std::string& reason) {
        return ProfileFileError{"Cannot load the profile \"" + file.string() + "\": " + reason + "."};
    };
    // Non-blocking so that opening a named pipe with no writer returns at
    // once and is then refused as not a regular file; it changes nothing for
    // the regular files that are actually read.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) return failed(openFailure(errno));
    std::uint64_t size = 0;
    if (std::string reason = checkOpenedFile(fd.get(), size); !reason.empty()) return failed(reason);

    FileSource source(fd.get());
    ProfileResult<SiteProfile> result = detail::decodeProfileFrom(source, size);
    if (result) return result;
    return failed(result.error().message);
}

}  // namespace tavimor
