#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "profile/posix_file.h"
#include "profile/profile_decoder.h"
#include "profile/profile_file.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;
using detail::callFailed;
using detail::FileDescriptor;
using detail::systemText;

// What went wrong, as the user is told it, for a failed system call.
TranslatableText writeFailure(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return TAVIMOR_TRANSLATE_NOOP("ProfileFile", "its folder does not exist");
    case EACCES:
    case EPERM:
        return TAVIMOR_TRANSLATE_NOOP("ProfileFile",
                                      "you have no permission to write in its folder");
    case EROFS:
        return TAVIMOR_TRANSLATE_NOOP("ProfileFile", "its disk is read-only");
    case ENOSPC:
    case EDQUOT:
        return TAVIMOR_TRANSLATE_NOOP("ProfileFile", "there is no room left on the disk");
    case EFBIG:
        return TAVIMOR_TRANSLATE_NOOP("ProfileFile",
                                      "it would be larger than this system lets a file be");
    default:
        return {TAVIMOR_TRANSLATE_NOOP("ProfileFile", "writing it failed (%1)"),
                {systemText(error)}};
    }
}

ProfileFileError systemFailure(const char* call, const std::string& path, int error) {
    return {writeFailure(error), callFailed(call, path, error)};
}

// The new bytes are written to a file of this kind beside the target; unless
// it was renamed over the target, it is removed when it goes, so a failure at
// any step leaves nothing behind.
class TemporaryFile {
public:
    // Hidden, and named after the file it will become, so that anyone who
    // sees it after a crash can tell where it came from. Created readable and
    // writable by the owner only.
    explicit TemporaryFile(const fs::path& target)
        : path_((target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string()),
          fd_(::mkostemp(path_.data(), O_CLOEXEC)),
          error_(fd_.get() < 0 ? errno : 0) {}
    ~TemporaryFile() {
        fd_.reset();
        if (error_ == 0 && !renamed_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_.get(); }
    int creationError() const { return error_; }
    const std::string& path() const { return path_; }

    std::optional<ProfileFileError> write(const std::string& bytes) {
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ::write(fd_.get(), bytes.data() + written, bytes.size() - written);
            if (n < 0 && errno == EINTR) continue;
            // A short count means the rest did not fit; the next call says why.
            if (n < 0) return systemFailure("write", path_, errno);
            if (n == 0) return systemFailure("write", path_, ENOSPC);
            written += static_cast<std::size_t>(n);
        }
        // A failed sync can mean the bytes never reach the disk, and close()
        // is where some file systems report a failed write.
        if (::fsync(fd_.get()) != 0) return systemFailure("fsync", path_, errno);
        if (fd_.reset() != 0) return systemFailure("close", path_, errno);
        return std::nullopt;
    }

    std::optional<ProfileFileError> renameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            return systemFailure("rename", target, errno);
        }
        renamed_ = true;
        return std::nullopt;
    }

private:
    std::string path_;
    FileDescriptor fd_;
    int error_ = 0;
    bool renamed_ = false;
};

// Makes the rename itself durable; without it a crash soon after could bring
// back the old file. Nothing depends on it succeeding.
void syncFolder(const fs::path& folder) {
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// The file a save replaces: where a symbolic link leads, followed link by
// link (a relative one from the link's own folder), so that the link keeps
// pointing where the user set it, even at a file that does not exist yet.
// Nothing when the links lead round in a circle.
std::optional<fs::path> replacedFile(const fs::path& file) {
    fs::path at = file;
    // As many links as the system itself follows before it gives up.
    for (int followed = 0; followed <= 40; ++followed) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(at, error))) return at;
        const fs::path next = fs::read_symlink(at, error);
        if (error) return at;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ProfileFileError> writeProfileFile(const fs::path& file, const SiteProfile& profile) {
    const std::optional<fs::path> resolved = replacedFile(file);
    if (!resolved) {
        return ProfileFileError{
            {TAVIMOR_TRANSLATE_NOOP(
                 "ProfileFile",
                 "Cannot save the profile \"%1\": it is a symbolic link that leads round in a "
                 "circle."),
             {file.string()}},
            {}};
    }
    const fs::path& target = *resolved;
    struct stat before {};
    const bool existed = ::stat(target.c_str(), &before) == 0;
    const bool keptAsItWas = existed && S_ISREG(before.st_mode);
    const auto failed = [&](ProfileFileError why) -> std::optional<ProfileFileError> {
        //: %1 is the file's path; %2 says why, in one of this context's clauses.
        const MarkedText sentence =
            keptAsItWas
                ? TAVIMOR_TRANSLATE_NOOP("ProfileFile",
                                         "Cannot save the profile \"%1\": %2. The file "
                                         "was left as it was.")
                : TAVIMOR_TRANSLATE_NOOP("ProfileFile", "Cannot save the profile \"%1\": %2.");
        return ProfileFileError{{sentence, {file.string(), std::move(why.message)}},
                                std::move(why.detail)};
    };

    if (existed && S_ISDIR(before.st_mode)) {
        return failed({TAVIMOR_TRANSLATE_NOOP("ProfileFile", "it is a folder, not a file"), {}});
    }
    if (existed && !S_ISREG(before.st_mode)) {
        return failed({TAVIMOR_TRANSLATE_NOOP("ProfileFile", "it is not a regular file"), {}});
    }
    // The folder's permissions decide whether the file can be replaced, but a
    // file its owner made read-only is not to be changed behind that.
    if (existed && ::access(target.c_str(), W_OK) != 0) {
        const int error = errno;
        ProfileFileError why = systemFailure("access", target, error);
        if (error == EACCES || error == EPERM) {
            why.message =
                TAVIMOR_TRANSLATE_NOOP("ProfileFile", "you have no permission to change it");
        }
        return failed(std::move(why));
    }
    const ProfileResult<std::string> bytes = encodeProfile(profile);
    if (!bytes) return failed(bytes.error());

    TemporaryFile temporary(target);
    if (temporary.fd() < 0) {
        return failed(systemFailure("mkostemp", temporary.path(), temporary.creationError()));
    }
    if (existed) {
        if (::fchmod(temporary.fd(), before.st_mode & 07777) != 0) {
            const int error = errno;
            return failed(
                {{TAVIMOR_TRANSLATE_NOOP("ProfileFile", "its permissions could not be kept (%1)"),
                  {systemText(error)}},
                 callFailed("fchmod", temporary.path(), error)});
        }
        // Only an administrator may give a file away, and may fail to; for
        // anyone else the file was theirs already.
        if (before.st_uid != ::geteuid() || before.st_gid != ::getegid()) {
            [[maybe_unused]] const int given =
                ::fchown(temporary.fd(), before.st_uid, before.st_gid);
        }
    }
    if (auto writeFailed = temporary.write(bytes.value())) return failed(std::move(*writeFailed));
    if (auto renameFailed = temporary.renameTo(target)) return failed(std::move(*renameFailed));
    syncFolder(target.parent_path());
    return std::nullopt;
}

}  // namespace tavimor
