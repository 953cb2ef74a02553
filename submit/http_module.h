#pragma once

// The HTTP module: the exchange built as a library of its own (tavimor-http.so)
// that alone links the HTTP library. Most runs of the program never submit,
// so the program loads it, and the HTTP library's many dependencies with it,
// only when a form is first sent. It is looked for in the folders of the
// program's library search path, its run path first.

#include <cstddef>
#include <string_view>

#include "submit/http_exchange.h"

namespace tavimor {

// What the module offers, as its one entry point returns it.
struct HttpModule {
    int abiVersion;    // kHttpModuleAbi of the build that made it
    std::size_t size;  // sizeof(HttpModule) there
    HttpPostResult (*post)(std::string_view hostAndPort, std::string_view path,
                           std::string_view body, const ExchangeLimits& limits,
                           const ReplyBodySink& onBody, StopSignal* stop);
};

// Raised whenever HttpModule or what it passes changes shape, so that a
// module of another build is refused rather than called.
inline constexpr int kHttpModuleAbi = 1;

inline constexpr char kHttpModuleFile[] = "tavimor-http.so";
inline constexpr char kHttpModuleEntry[] = "tavimor_http_module";

}  // namespace tavimor

// The entry point, with C linkage so that it can be looked up by name.
extern "C" const tavimor::HttpModule* tavimor_http_module();
