#include "profile/recovery_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "profile/posix_file.h"
#include "profile/profile_file.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;

fs::path lockFileOf(fs::path copy) { return copy.replace_extension(".lock"); }

// An exclusive lock on the file at `path`, taken without waiting: its
// descriptor, or -1 when another process holds it or it cannot be opened.
// `flags` may add O_CREAT and O_EXCL.
int takeLock(const fs::path& path, int flags) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | flags, 0600);
    if (fd < 0) return -1;
    struct stat locked {};
    struct stat named {};
    // Whoever held the lock may have removed the file before letting go;
    // a lock on a file that no longer has the name guards nothing.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &locked) != 0 ||
        ::stat(path.c_str(), &named) != 0 || locked.st_ino != named.st_ino ||
        locked.st_dev != named.st_dev) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The copy first: a copy is only ever seen with its lock file beside it.
void removeCopyAndLock(const fs::path& copy, int& lock) {
    ::unlink(copy.c_str());
    ::unlink(lockFileOf(copy).c_str());
    ::close(lock);
    lock = -1;
}

}  // namespace

RecoveryCopy::RecoveryCopy(fs::path folder) : folder_(std::move(folder)) {}

RecoveryCopy::~RecoveryCopy() {
    if (lock_ < 0) return;
    // A lock file whose copy was never written would only be clutter.
    std::error_code error;
    if (!fs::exists(file_, error)) ::unlink(lockFileOf(file_).c_str());
    ::close(lock_);
}

std::optional<ProfileFileError> RecoveryCopy::write(const SiteProfile& form) {
    if (lock_ < 0) {
        std::error_code ignored;
        fs::create_directories(folder_.parent_path(), ignored);
        // The copies hold the form's password in clear.
        if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) {
            const int error = errno;
            return ProfileFileError{
                //: %1 is the folder's path; %2 the system's words for the error.
                {TAVIMOR_TRANSLATE_NOOP("RecoveryCopy",
                                        "The recovery folder \"%1\" cannot be made (%2)."),
                 {folder_.string(), detail::systemText(error)}},
                detail::callFailed("mkdir", folder_.string(), error)};
        }
        // The process id keeps instances apart; the counter steps past names
        // that an ended process of the same id left behind.
        const std::string prefix = std::to_string(::getpid()) + '-';
        int error = 0;
        for (int n = 0; n < 100 && lock_ < 0; ++n) {
            const fs::path candidate = folder_ / (prefix + std::to_string(n) + ".dat");
            lock_ = takeLock(lockFileOf(candidate), O_CREAT | O_EXCL);
            if (lock_ >= 0) file_ = candidate;
            error = errno;
        }
        if (lock_ < 0) {
            return ProfileFileError{
                {TAVIMOR_TRANSLATE_NOOP("RecoveryCopy",
                                        "No recovery copy can be kept in \"%1\" (%2)."),
                 {folder_.string(), detail::systemText(error)}},
                detail::callFailed("open", folder_.string(), error)};
        }
    }
    return writeProfileFile(file_, form);
}

void RecoveryCopy::remove() {
    if (lock_ < 0) return;
    removeCopyAndLock(file_, lock_);
    file_.clear();
}

std::optional<OrphanedCopy> OrphanedCopy::claim(const fs::path& folder) {
    std::vector<std::pair<fs::file_time_type, fs::path>> copies;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code unreadable;
        if (it->path().extension() == ".dat" && it->is_regular_file(unreadable)) {
            copies.emplace_back(it->last_write_time(unreadable), it->path());
        }
    }
    std::sort(copies.begin(), copies.end(), std::greater<>());
    for (const auto& [written, copy] : copies) {
        const int lock = takeLock(lockFileOf(copy), O_CREAT);
        if (lock < 0) continue;  // its instance still runs
        // Its instance may have removed it while ending just now.
        if (fs::exists(copy, error)) return OrphanedCopy(copy, lock);
        ::close(lock);
    }
    return std::nullopt;
}

OrphanedCopy::OrphanedCopy(OrphanedCopy&& other) noexcept
    : file_(std::move(other.file_)), lock_(std::exchange(other.lock_, -1)) {}

OrphanedCopy::~OrphanedCopy() {
    if (lock_ >= 0) ::close(lock_);
}

void OrphanedCopy::remove() {
    if (lock_ >= 0) removeCopyAndLock(file_, lock_);
}

}  // namespace tavimor
