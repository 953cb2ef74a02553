#include "registrations/sqlite_support.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tavimor::detail {
namespace {

namespace fs = std::filesystem;

bool isPermissionError(int error) { return error == EACCES || error == EPERM || error == EROFS; }
bool isFullDiskError(int error) { return error == ENOSPC || error == EDQUOT; }

std::string noRoom(const fs::path& path) {
    return "there is no room left on the disk of " + path.string();
}

// A record that exists but cannot be written is read-only itself; otherwise
// it is its folder that refuses the new file.
std::string readOnly(const fs::path& file) {
    std::error_code ignored;
    if (fs::exists(file, ignored) && ::access(file.c_str(), W_OK) != 0) {
        return "the record " + file.string() + " is read-only";
    }
    return "the folder " + file.parent_path().string() + " is read-only";
}

}  // namespace

StoreError systemFailure(int error, const fs::path& path, bool isFolder) {
    if (isPermissionError(error)) {
        return {isFolder ? "the folder " + path.string() + " is read-only" : readOnly(path)};
    }
    if (isFullDiskError(error)) return {noRoom(path)};
    const std::string what = (isFolder ? "the folder " : "the record ") + path.string();
    if (error == ENOENT || error == ENOTDIR) {
        return {what + " cannot be made: the folder it belongs in is missing"};
    }
    return {what + " cannot be used: " + std::generic_category().message(error)};
}

StoreError sqliteFailure(sqlite3* db, int code, const fs::path& file) {
    const int error = db ? sqlite3_system_errno(db) : 0;
    const int primary = code & 0xFF;
    if (isPermissionError(error) || primary == SQLITE_READONLY) return {readOnly(file)};
    if (isFullDiskError(error) || primary == SQLITE_FULL) return {noRoom(file)};
    const char* words = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    return {"the record " + file.string() + " cannot be used: " + words};
}

}  // namespace tavimor::detail
