#pragma once

#include <filesystem>
#include <optional>

#include "profile/profile_codec.h"

namespace tavimor {

// Copies of forms that were changed and not yet saved, kept in one folder so
// that a crash, a kill or the end of the desktop session loses nothing. Each
// running instance has a copy of its own, "<name>.dat" in the profile format,
// beside "<name>.lock", a lock file it holds while it lives. The system drops
// that lock when the instance ends, however it ends, so a copy whose lock can
// be taken belongs to no running instance: it is what an ended one left.

// This instance's own copy. Claims its name and lock at the first write.
class RecoveryCopy {
public:
    explicit RecoveryCopy(std::filesystem::path folder);
    // Keeps a written copy, for the next start to offer, and releases it.
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // Replaces the copy with `form`, atomically (see writeProfileFile).
    // Creates the folder, readable by its owner only, when it is missing.
    std::optional<ProfileFileError> write(const SiteProfile& form);

    // Removes the copy and its lock file, if there are any.
    void remove();

    // Where the copy is, once written; empty before.
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path file_;
    int lock_ = -1;
};

// A copy that an ended instance left, locked by this one for as long as this
// object lives, so that two instances starting together never both offer it.
class OrphanedCopy {
public:
    // The newest such copy in `folder`, or nothing.
    static std::optional<OrphanedCopy> claim(const std::filesystem::path& folder);

    OrphanedCopy(OrphanedCopy&& other) noexcept;
    OrphanedCopy& operator=(OrphanedCopy&&) = delete;
    OrphanedCopy(const OrphanedCopy&) = delete;
    ~OrphanedCopy();  // releases the lock; the copy stays unless removed

    const std::filesystem::path& file() const { return file_; }

    // Removes the copy and its lock file.
    void remove();

private:
    OrphanedCopy(std::filesystem::path file, int lock) : file_(std::move(file)), lock_(lock) {}

    std::filesystem::path file_;
    int lock_;
};

}  // namespace tavimor
