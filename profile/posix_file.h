#pragma once

// Internal to profile/: what the reader and the writer share of the POSIX
// file interface.

#include <unistd.h>

#include <string>
#include <system_error>

namespace tavimor::detail {

// The system's words for an errno value, e.g. "Permission denied".
inline std::string systemText(int error) { return std::generic_category().message(error); }

// For the log: the call that failed, on which path, and the system's words.
inline std::string callFailed(const char* call, const std::string& path, int error) {
    return std::string(call) + "(\"" + path + "\"): " + systemText(error) + " (errno " +
           std::to_string(error) + ")";
}

// Closes the descriptor it holds when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }

    // Closes now; the result of close(), which may report a failed write.
    int reset() {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

}  // namespace tavimor::detail
