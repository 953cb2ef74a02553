#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace tavimor {

// Splits a reply body that arrives in pieces of any size into lines. A line
// feed ends a line and is not part of it; a carriage return right before it
// is dropped too; the last line may end without a line feed.
//
// Memory stays bounded whatever the service sends: only the first
// kMaxLineBytes of a line are kept and handed on, the rest of that line is
// skipped up to its line feed. No line of a real reply comes near the limit,
// and nothing the capture looks for lies that far into a line.
class ReplyLineReader {
public:
    static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;  // 1 MiB

    // Hands every line completed by `data` to `onLine(std::string_view)`.
    // The view is valid only during the call.
    template <class OnLine>
    void feed(std::string_view data, OnLine&& onLine);

    // The body has ended: hands on the last line if it had no line feed.
    template <class OnLine>
    void finish(OnLine&& onLine);

    // The body broke off: the unfinished line is incomplete, drop it.
    void discardPartialLine() {
        pending_.clear();
        overflow_ = false;
    }

    // Bytes held for an unfinished line (never more than kMaxLineBytes).
    std::size_t pendingBytes() const { return pending_.size(); }

private:
    static std::string_view withoutCarriageReturn(std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

    void keepPartial(std::string_view part) {
        const std::size_t room = kMaxLineBytes - pending_.size();
        if (part.size() > room) {
            overflow_ = true;
            part = part.substr(0, room);
        }
        pending_.append(part);
    }

    std::string pending_;    // start of the line whose line feed has not come yet
    bool overflow_ = false;  // that line has grown past kMaxLineBytes
};

// Picks the ID text out of the reply's lines. In a line that contains the
// marker anywhere, every "Y" directly followed by "o" starts a capture that
// runs up to, not including, the next "<" (or to the end of the line); the
// scan resumes after that "<". Captures of all marker lines are joined with
// nothing between them. Lines without the marker add nothing.
class IdCodeCapture {
public:
    static constexpr std::string_view kMarker = "Your ID Code is :";

    // The capture keeps no more than this; a service that repeats the marker
    // line without end cannot make it grow past what a message box can show.
    static constexpr std::size_t kMaxCaptureBytes = 64 * 1024;

    void scanLine(std::string_view line);

    const std::string& text() const { return text_; }
    std::string take() { return std::move(text_); }

private:
    void append(std::string_view bytes);

    std::string text_;
};

// Reader and capture together: what the exchange feeds the reply body into.
class ReplyScanner {
public:
    void feed(std::string_view data) {
        reader_.feed(data, [this](std::string_view line) { capture_.scanLine(line); });
    }
    void finish() {
        reader_.finish([this](std::string_view line) { capture_.scanLine(line); });
    }
    void abandon() { reader_.discardPartialLine(); }

    const std::string& idCodeReply() const { return capture_.text(); }
    std::string takeIdCodeReply() { return capture_.take(); }
    std::size_t pendingBytes() const { return reader_.pendingBytes(); }

private:
    ReplyLineReader reader_;
    IdCodeCapture capture_;
};

template <class OnLine>
void ReplyLineReader::feed(std::string_view data, OnLine&& onLine) {
    while (!data.empty()) {
        const void* found = std::memchr(data.data(), '\n', data.size());
        if (!found) {
            keepPartial(data);
            return;
        }
        const auto length = static_cast<std::size_t>(static_cast<const char*>(found) - data.data());
        if (pending_.empty() && !overflow_) {
            // The whole line lies in this piece: hand it on without copying.
            std::string_view line = withoutCarriageReturn(data.substr(0, length));
            onLine(line.substr(0, kMaxLineBytes));
        } else {
            keepPartial(data.substr(0, length));
            // Past the limit the carriage return is among the skipped bytes.
            std::string_view line =
                overflow_ ? std::string_view(pending_) : withoutCarriageReturn(pending_);
            onLine(line);
            pending_.clear();
            overflow_ = false;
        }
        data.remove_prefix(length + 1);
    }
}

template <class OnLine>
void ReplyLineReader::finish(OnLine&& onLine) {
    if (!pending_.empty()) onLine(std::string_view(pending_));
    pending_.clear();
    overflow_ = false;
}

}  // namespace tavimor
