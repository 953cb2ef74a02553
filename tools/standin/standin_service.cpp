#include "standin_service.h"

#include <httplib.h>

#include <strings.h>
#include <algorithm>
#include <array>

namespace tavimor::standin {
namespace {

// Entries the library adds to the parsed headers itself; they never came
// over the wire.
constexpr std::array<std::string_view, 4> kLibraryHeaders = {"REMOTE_ADDR", "REMOTE_PORT",
                                                             "LOCAL_ADDR", "LOCAL_PORT"};

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

RecordedRequest record(const httplib::Request& request) {
    RecordedRequest recorded;
    recorded.method = request.method;
    recorded.path = request.path;
    recorded.body = request.body;
    for (const auto& [name, value] : request.headers) {
        const bool fromLibrary = std::any_of(kLibraryHeaders.begin(), kLibraryHeaders.end(),
                                             [&](std::string_view own) { return own == name; });
        if (!fromLibrary) recorded.headers.emplace_back(name, value);
    }
    recorded.formParams.assign(request.params.begin(), request.params.end());
    if (request.get_header_value("Content-Type") == "application/x-www-form-urlencoded") {
        // The library's form parser keeps pairs in a map; for the order, split
        // the body at "&" (the encoded values never contain one) and let the
        // library's URL decoder read each side.
        std::string_view rest = request.body;
        while (!rest.empty()) {
            const std::size_t amp = std::min(rest.find('&'), rest.size());
            const std::string_view pair = rest.substr(0, amp);
            const std::size_t eq = std::min(pair.find('='), pair.size());
            recorded.formPairsInOrder.emplace_back(
                httplib::detail::decode_url(std::string(pair.substr(0, eq)), true),
                httplib::detail::decode_url(std::string(pair.substr(std::min(eq + 1, pair.size()))),
                                            true));
            rest.remove_prefix(std::min(amp + 1, rest.size()));
        }
    }
    return recorded;
}

// The reply body as a function of the offset: `fillerBytes` of the filler
// pattern, then the page. Lets a scenario serve hundreds of megabytes without
// holding them.
class ReplyBytes {
public:
    explicit ReplyBytes(const Scenario& scenario)
        : fillerBytes_(scenario.fillerBytes), page_(scenario.page) {
        if (fillerBytes_ > 0 && !scenario.fillerPattern.empty()) {
            while (block_.size() < kBlock + scenario.fillerPattern.size()) {
                block_ += scenario.fillerPattern;
            }
            patternSize_ = scenario.fillerPattern.size();
        } else {
            fillerBytes_ = 0;
        }
    }

    std::size_t size() const { return fillerBytes_ + page_.size(); }

    // Up to `most` bytes starting at `offset`.
    std::string_view at(std::size_t offset, std::size_t most) const {
        if (offset < fillerBytes_) {
            const std::size_t start = offset % patternSize_;
            return std::string_view(block_).substr(start,
                                                   std::min({most, kBlock, fillerBytes_ - offset}));
        }
        return std::string_view(page_).substr(offset - fillerBytes_, most);
    }

private:
    static constexpr std::size_t kBlock = 64 * 1024;
    std::size_t fillerBytes_;
    std::size_t patternSize_ = 1;
    std::string block_;
    std::string page_;
};

}  // namespace

const std::string* RecordedRequest::header(std::string_view name) const {
    for (const auto& [key, value] : headers) {
        if (sameName(key, name)) return &value;
    }
    return nullptr;
}

std::string idPage(std::string_view idLine) {
    return "<html>\n<head><title>Registration complete</title></head>\n<body>\n"
           "<h1>Thank you for registering</h1>\n"
           "<p>Your search box is ready.</p>\n" +
           std::string(idLine) +
           "\n<p>The code for your page is on its way to your mailbox.</p>\n</body>\n</html>\n";
}

std::vector<std::string_view> scenarioNames() {
    return {"id", "no-marker", "several-markers", "crlf", "no-lt", "huge", "cut", "slow", "silent"};
}

bool namedScenario(std::string_view name, Scenario& scenario) {
    scenario = Scenario{};
    if (name == "id") {
        scenario.page = idPage();
    } else if (name == "no-marker") {
        scenario.page =
            "<html><body><h1>Registration failed</h1>\n<p>Your data could not be used.</p>\n"
            "</body></html>\n";
    } else if (name == "several-markers") {
        scenario.page =
            idPage("<b>Your ID Code is : 48213</b><br>\n<i>Your ID Code is : 48214</i>");
    } else if (name == "crlf") {
        scenario.page = "<html>\r\n<body>\r\nYour ID Code is : 48213\r\n</body>\r\n</html>\r\n";
    } else if (name == "no-lt") {
        scenario.page = idPage("Your ID Code is : 48213");
    } else if (name == "huge") {
        scenario.fillerBytes = std::size_t{64} << 20;
        scenario.page = idPage();
    } else if (name == "cut") {
        scenario.page = idPage() + std::string(4096, '.');
        scenario.delivery = Scenario::Delivery::CutMidReply;
        scenario.cutAfter = scenario.page.find("</b><br>\n") + 9;
    } else if (name == "slow") {
        scenario.page = idPage();
        scenario.delivery = Scenario::Delivery::Slow;
    } else if (name == "silent") {
        scenario.page = idPage();
        scenario.delivery = Scenario::Delivery::Silent;
    } else {
        return false;
    }
    return true;
}

StandinService::StandinService(Scenario scenario, int port)
    : server_(std::make_unique<httplib::Server>()), scenario_(std::move(scenario)) {
    auto handler = [this](const httplib::Request& request, httplib::Response& response) {
        handle(request, response);
    };
    server_->Post(".*", handler);
    server_->Get(".*", handler);
    if (port == 0) {
        port_ = server_->bind_to_any_port("127.0.0.1");
    } else {
        port_ = server_->bind_to_port("127.0.0.1", port) ? port : -1;
    }
    if (port_ <= 0) return;
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // The library's stop() does nothing until its accept loop is running;
    // stopping earlier would leave the thread blocked in accept for good.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server_->is_running() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

StandinService::~StandinService() { stop(); }

void StandinService::stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    stopping_.notify_all();
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

void StandinService::setScenario(Scenario scenario) {
    std::lock_guard lock(mutex_);
    scenario_ = std::move(scenario);
}

std::vector<RecordedRequest> StandinService::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void StandinService::onRequest(std::function<void(const RecordedRequest&)> callback) {
    std::lock_guard lock(mutex_);
    callback_ = std::move(callback);
}

bool StandinService::pauseFor(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return !stopping_.wait_for(lock, duration, [this] { return stopped_; });
}

void StandinService::handle(const httplib::Request& request, httplib::Response& response) {
    RecordedRequest recorded = record(request);
    Scenario scenario;
    std::function<void(const RecordedRequest&)> callback;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(recorded);
        scenario = scenario_;
        callback = callback_;
    }
    if (callback) callback(recorded);

    if (request.method != "POST" || request.path != kRegistrationPath) {
        response.status = 404;
        response.set_content("<html><body>Not Found</body></html>\n", "text/html");
        return;
    }

    response.status = scenario.status;
    if (!scenario.location.empty()) response.set_header("Location", scenario.location);
    auto bytes = std::make_shared<const ReplyBytes>(scenario);

    if (bytes->size() == 0 && scenario.delivery != Scenario::Delivery::Silent) {
        // The library sends no Content-Length for an empty provider.
        response.set_content("", "text/html");
        return;
    }
    switch (scenario.delivery) {
    case Scenario::Delivery::Silent:
        if (!pauseFor(scenario.silence)) return;
        [[fallthrough]];
    case Scenario::Delivery::Whole:
        response.set_content_provider(
            bytes->size(), "text/html",
            [bytes](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                const std::string_view piece = bytes->at(offset, length);
                return sink.write(piece.data(), piece.size());
            });
        return;
    case Scenario::Delivery::CutMidReply: {
        const std::size_t cutAfter = std::min(scenario.cutAfter, bytes->size());
        response.set_content_provider(
            bytes->size(), "text/html",
            [bytes, cutAfter](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                if (offset >= cutAfter) return false;  // drops the connection
                const std::string_view piece = bytes->at(offset, cutAfter - offset);
                return sink.write(piece.data(), piece.size());
            });
        return;
    }
    case Scenario::Delivery::Slow: {
        const std::size_t pieceSize = std::max<std::size_t>(scenario.pieceSize, 1);
        const std::chrono::milliseconds pause = scenario.pause;
        response.set_chunked_content_provider(
            "text/html",
            [this, bytes, pieceSize, pause](std::size_t offset, httplib::DataSink& sink) {
                if (offset >= bytes->size()) {
                    sink.done();
                    return true;
                }
                if (offset > 0 && !pauseFor(pause)) return false;
                const std::string_view piece = bytes->at(offset, pieceSize);
                return sink.write(piece.data(), piece.size());
            });
        return;
    }
    }
}

}  // namespace tavimor::standin
