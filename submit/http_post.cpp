#include <dlfcn.h>

#include <string>

#include "submit/http_exchange.h"
#include "submit/http_module.h"

namespace tavimor {
namespace {

// The module as loaded by the first exchange, or why it could not be; the
// answer stands for the rest of the run.
struct LoadedModule {
    const HttpModule* module = nullptr;
    std::string failure;
};

LoadedModule loadModule() {
    void* handle = ::dlopen(kHttpModuleFile, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return {nullptr, std::string("the HTTP module could not be loaded: ") + ::dlerror()};
    // Kept loaded for the rest of the run whatever follows: the library it
    // brings may not take being unloaded.
    using Entry = const HttpModule* (*)();
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, kHttpModuleEntry));
    const HttpModule* module = entry ? entry() : nullptr;
    if (!module || module->abiVersion != kHttpModuleAbi || module->size != sizeof(HttpModule) ||
        !module->post) {
        return {nullptr, std::string("the HTTP module ") + kHttpModuleFile +
                             " does not belong to this build of the program"};
    }
    return {module, {}};
}

}  // namespace

HttpPostResult PostForm(std::string_view hostAndPort, std::string_view path, std::string_view body,
                        const ExchangeLimits& limits, const ReplyBodySink& onBody,
                        StopSignal* stop) {
    if (!isValidHostAndPort(hostAndPort)) {
        return {true, false, "not a usable service address: \"" + std::string(hostAndPort) + '"'};
    }
    static const LoadedModule loaded = loadModule();
    if (!loaded.module) return {true, false, loaded.failure};
    return loaded.module->post(hostAndPort, path, body, limits, onBody, stop);
}

}  // namespace tavimor
