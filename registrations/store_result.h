#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tavimor {

// Why the record of registrations could not be read or written, as a clause
// that fits a sentence shown to the user ("The registration could not be
// kept: <reason>."), e.g. "the folder /home/ann/.local/share/Tavimor is
// read-only", or SQLite's own words.
struct StoreError {
    std::string reason;
};

// Either a value or the reason there is none. Asking a failed result for its
// value (or a good one for its error) throws std::bad_variant_access.
template <typename T>
class StoreResult {
public:
    StoreResult(T value) : state_(std::move(value)) {}
    StoreResult(StoreError error) : state_(std::move(error)) {}

    bool ok() const noexcept { return state_.index() == 0; }
    explicit operator bool() const noexcept { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const StoreError& error() const { return std::get<StoreError>(state_); }

private:
    std::variant<T, StoreError> state_;
};

}  // namespace tavimor
