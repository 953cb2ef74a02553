// The HTTP module: the one part of the program that links the HTTP library,
// loaded at the first submission (see submit/http_module.h).
#include "submit/http_module.h"

#include <curl/curl.h>

#include <array>
#include <charconv>
#include <chrono>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "submit/stop_signal.h"

namespace tavimor {
namespace {

using Clock = std::chrono::steady_clock;

CURLcode globalInitResult = CURLE_FAILED_INIT;
std::once_flag globalInitOnce;

// The HTTP library's set-up for the whole process, on the first exchange,
// on whichever thread runs it: the library's own set-up is thread-safe
// (it reports CURL_VERSION_THREADSAFE from 7.84 on, which Debian 12 has).
bool initHttpClient() {
    std::call_once(globalInitOnce,
                   [] { globalInitResult = curl_global_init(CURL_GLOBAL_DEFAULT); });
    return globalInitResult == CURLE_OK;
}

struct EasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct MultiDeleter {
    void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
};

// One easy handle with the header list and the error buffer it points to;
// neither copied nor moved, since the handle keeps pointers into both. The
// handle is cleaned up before the list it uses.
class CurlEasy {
public:
    CurlEasy() : handle_(curl_easy_init()) {
        if (handle_) curl_easy_setopt(handle_.get(), CURLOPT_ERRORBUFFER, errorBuffer_.data());
    }
    CurlEasy(const CurlEasy&) = delete;
    CurlEasy& operator=(const CurlEasy&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    CURL* get() const { return handle_.get(); }

    // Adds one request header line; false when out of memory.
    bool addHeader(const char* line) {
        curl_slist* grown = curl_slist_append(headers_.get(), line);
        if (!grown) return false;
        headers_.release();
        headers_.reset(grown);
        return true;
    }
    curl_slist* headers() const { return headers_.get(); }

    std::string errorText(CURLcode code) const {
        return errorBuffer_[0] ? errorBuffer_.data() : curl_easy_strerror(code);
    }

private:
    std::array<char, CURL_ERROR_SIZE> errorBuffer_{};
    std::unique_ptr<curl_slist, HeaderListDeleter> headers_;
    std::unique_ptr<CURL, EasyDeleter> handle_;
};

// Runs one easy handle through a multi handle of its own, whose wait for the
// network another thread can cut short: the easy interface would block until
// a time limit or the next progress call, about a second later.
class CurlRun {
public:
    explicit CurlRun(const CurlEasy& easy) : easy_(easy.get()), multi_(curl_multi_init()) {
        added_ = multi_ && curl_multi_add_handle(multi_.get(), easy_) == CURLM_OK;
    }
    ~CurlRun() {
        if (added_) curl_multi_remove_handle(multi_.get(), easy_);
    }
    CurlRun(const CurlRun&) = delete;
    CurlRun& operator=(const CurlRun&) = delete;

    explicit operator bool() const { return added_; }

    // Wakes perform() from its wait; safe from any thread.
    void wake() const { curl_multi_wakeup(multi_.get()); }

    // Drives the transfer until it ends or `stopped` says so; the transfer's
    // own result, or `CURLE_ABORTED_BY_CALLBACK` when stopped.
    template <class Stopped>
    CURLcode perform(const Stopped& stopped) {
        for (int running = 1;;) {
            if (stopped()) return CURLE_ABORTED_BY_CALLBACK;
            if (curl_multi_perform(multi_.get(), &running) != CURLM_OK) return CURLE_FAILED_INIT;
            if (running == 0) break;
            // The transfer's own limits are checked in curl_multi_perform, so
            // a wait of a second at most keeps them as precise as before.
            if (curl_multi_poll(multi_.get(), nullptr, 0, 1000, nullptr) != CURLM_OK) {
                return CURLE_FAILED_INIT;
            }
        }
        int left = 0;
        while (const CURLMsg* message = curl_multi_info_read(multi_.get(), &left)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == easy_) {
                return message->data.result;
            }
        }
        return CURLE_FAILED_INIT;
    }

private:
    CURL* easy_;
    std::unique_ptr<CURLM, MultiDeleter> multi_;
    bool added_ = false;
};

// Shared by the callbacks of one transfer.
struct Transfer {
    CURL* handle = nullptr;
    const ReplyBodySink* onBody = nullptr;
    Clock::duration stallTimeout{};
    Clock::time_point lastActivity{};
    bool connected = false;
    curl_off_t uploaded = 0;
    bool stalled = false;
    std::exception_ptr sinkFailure;
};

// Callbacks are called from C: nothing may be thrown through them.
size_t onBodyBytes(char* data, size_t size, size_t count, void* user) noexcept {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t total = size * count;
    transfer->lastActivity = Clock::now();
    try {
        (*transfer->onBody)(std::string_view(data, total));
    } catch (...) {
        transfer->sinkFailure = std::current_exception();
        return CURL_WRITEFUNC_ERROR;
    }
    return total;
}

size_t onHeaderBytes(char*, size_t size, size_t count, void* user) noexcept {
    static_cast<Transfer*>(user)->lastActivity = Clock::now();
    return size * count;
}

// Called about once a second even while nothing moves, which makes it the
// place to notice a stalled reply. The stall clock starts once the connection
// stands, so a slow connect is judged by the connect timeout alone.
int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) noexcept {
    auto* transfer = static_cast<Transfer*>(user);
    const Clock::time_point now = Clock::now();
    if (!transfer->connected) {
        curl_off_t connectTime = 0;
        if (curl_easy_getinfo(transfer->handle, CURLINFO_CONNECT_TIME_T, &connectTime) !=
                CURLE_OK ||
            connectTime == 0) {
            return 0;
        }
        transfer->connected = true;
        transfer->lastActivity = now;
    }
    if (uploaded != transfer->uploaded) {
        transfer->uploaded = uploaded;
        transfer->lastActivity = now;
    }
    if (now - transfer->lastActivity > transfer->stallTimeout) {
        transfer->stalled = true;
        return 1;  // aborts the transfer
    }
    return 0;
}

template <class Option, class Value>
bool set(const CurlEasy& easy, Option option, Value value) {
    return curl_easy_setopt(easy.get(), option, value) == CURLE_OK;
}

HttpPostResult postWithCurl(std::string_view hostAndPort, std::string_view path,
                            std::string_view body, const ExchangeLimits& limits,
                            const ReplyBodySink& onBody, StopSignal* stop) {
    HttpPostResult result;
    auto fail = [&result](std::string detail) {
        result.failed = true;
        result.errorDetail = std::move(detail);
        return result;
    };

    if (!initHttpClient()) return fail("the HTTP client could not be initialised");

    CurlEasy easy;
    if (!easy) return fail("the HTTP client could not create a request");

    const std::string url = "http://" + std::string(hostAndPort) + std::string(path);
    Transfer transfer;
    transfer.handle = easy.get();
    transfer.onBody = &onBody;
    transfer.stallTimeout = limits.stallTimeout;
    transfer.lastActivity = Clock::now();

    // curl adds "Accept: */*" and, for larger bodies, "Expect: 100-continue"
    // unless told otherwise; an empty header removes its default.
    const bool headersBuilt = easy.addHeader("Content-Type: application/x-www-form-urlencoded") &&
                              easy.addHeader("Accept:") && easy.addHeader("Expect:");

    // clang-format off
    const bool configured =
        headersBuilt && set(easy, CURLOPT_URL, url.c_str()) &&
        set(easy, CURLOPT_PROTOCOLS_STR, "http") &&
        set(easy, CURLOPT_HTTPHEADER, easy.headers()) &&
        set(easy, CURLOPT_USERAGENT, "Tavimor") &&
        set(easy, CURLOPT_POSTFIELDS, body.data()) &&
        set(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size())) &&
        set(easy, CURLOPT_FOLLOWLOCATION, 0L) &&
        set(easy, CURLOPT_NOSIGNAL, 1L) &&
        set(easy, CURLOPT_CONNECTTIMEOUT_MS,
            static_cast<long>(std::chrono::milliseconds(limits.connectTimeout).count())) &&
        set(easy, CURLOPT_TIMEOUT_MS,
            static_cast<long>(std::chrono::milliseconds(limits.totalTimeout).count())) &&
        set(easy, CURLOPT_WRITEFUNCTION, onBodyBytes) &&
        set(easy, CURLOPT_WRITEDATA, &transfer) &&
        set(easy, CURLOPT_HEADERFUNCTION, onHeaderBytes) &&
        set(easy, CURLOPT_HEADERDATA, &transfer) &&
        set(easy, CURLOPT_XFERINFOFUNCTION, onProgress) &&
        set(easy, CURLOPT_XFERINFODATA, &transfer) &&
        set(easy, CURLOPT_NOPROGRESS, 0L);
    // clang-format on
    if (!configured) return fail("the HTTP client could not be set up for the request");

    CurlRun run(easy);
    if (!run) return fail("the HTTP client could not start the request");
    // The stop signal wakes the run's wait only while the run exists.
    struct WakeScope {
        StopSignal* stop;
        ~WakeScope() {
            if (stop) stop->clearWake();
        }
    } wakeScope{stop};
    const bool stoppedBefore = stop && !stop->setWake([&run] { run.wake(); });
    const auto stopped = [&] { return stoppedBefore || (stop && stop->stopped()); };
    const CURLcode code = run.perform(stopped);
    if (stopped()) {
        result.stopped = true;
        return fail("stopped by the user");
    }
    if (transfer.sinkFailure) {
        try {
            std::rethrow_exception(transfer.sinkFailure);
        } catch (const std::exception& e) {
            return fail(std::string("the reply could not be processed: ") + e.what());
        } catch (...) {
            return fail("the reply could not be processed");
        }
    }
    if (transfer.stalled) {
        return fail("no data from the service for " + std::to_string(limits.stallTimeout.count()) +
                    " s");
    }
    if (code != CURLE_OK) return fail(easy.errorText(code));
    return result;
}

}  // namespace
}  // namespace tavimor

extern "C" const tavimor::HttpModule* tavimor_http_module() {
    static constexpr tavimor::HttpModule kModule{
        tavimor::kHttpModuleAbi, sizeof(tavimor::HttpModule), &tavimor::postWithCurl};
    return &kModule;
}
