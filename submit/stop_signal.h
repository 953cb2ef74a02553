#pragma once

#include <functional>
#include <mutex>
#include <utility>

namespace tavimor {

// Lets one thread stop an exchange that another thread runs. The exchange
// hands in a way to wake it from its wait for the network while it waits, so
// a stop takes effect at once rather than at the next time-out check.
// Thread-safe; one signal serves one exchange.
class StopSignal {
public:
    // Asks the exchange to stop, now or as soon as it starts.
    void stop() {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        if (wake_) wake_();
    }

    bool stopped() const {
        const std::lock_guard lock(mutex_);
        return stopped_;
    }

    // For the exchange: `wake` is called by stop() until clearWake(). False,
    // with nothing kept, when the exchange has been stopped already.
    bool setWake(std::function<void()> wake) {
        const std::lock_guard lock(mutex_);
        if (stopped_) return false;
        wake_ = std::move(wake);
        return true;
    }

    // For the exchange, before what `wake` touches goes away.
    void clearWake() {
        const std::lock_guard lock(mutex_);
        wake_ = nullptr;
    }

private:
    mutable std::mutex mutex_;
    bool stopped_ = false;
    std::function<void()> wake_;
};

}  // namespace tavimor
