#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

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

// The folders the loader looks for the program's own libraries in, its run
// path first. The module is looked for there by the program itself, not by
// dlopen, which would look along the run path of whoever calls it: a
// sanitizer's runtime, say, rather than the program.
std::vector<std::string> programLibraryFolders() {
    void* program = ::dlopen(nullptr, RTLD_NOW);
    Dl_serinfo size;
    if (!program || ::dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return {};
    const std::unique_ptr<Dl_serinfo, decltype(&std::free)> info(
        static_cast<Dl_serinfo*>(std::malloc(size.dls_size)), &std::free);
    if (!info || ::dlinfo(program, RTLD_DI_SERINFOSIZE, info.get()) != 0 ||
        ::dlinfo(program, RTLD_DI_SERINFO, info.get()) != 0) {
        return {};
    }
    std::vector<std::string> folders;
    for (unsigned i = 0; i < info->dls_cnt; ++i)
        folders.emplace_back(info->dls_serpath[i].dls_name);
    return folders;
}

LoadedModule loadModule() {
    std::string file;
    for (const std::string& folder : programLibraryFolders()) {
        const std::string candidate = folder + '/' + kHttpModuleFile;
        if (::access(candidate.c_str(), F_OK) == 0) {
            file = candidate;
            break;
        }
    }
    if (file.empty()) {
        return {nullptr, std::string("the HTTP module ") + kHttpModuleFile +
                             " is in none of the program's library folders"};
    }
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        return {nullptr, std::string("the HTTP module could not be loaded: ") + ::dlerror()};
    }
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
