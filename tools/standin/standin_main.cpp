// tavimor-standin: a registration service on 127.0.0.1 for trying the app
// without the real one. Prints every request it receives and answers with the
// chosen scenario's page until interrupted.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "standin_service.h"

namespace {

int usage(const char* program) {
    std::cerr << "usage: " << program << " --port PORT [--scenario] NAME\n"
              << "scenarios:";
    for (std::string_view name : tavimor::standin::scenarioNames()) std::cerr << ' ' << name;
    std::cerr << '\n';
    return 2;
}

void print(const tavimor::standin::RecordedRequest& request) {
    std::cout << request.method << ' ' << request.path << '\n';
    for (const auto& [name, value] : request.headers)
        std::cout << "  " << name << ": " << value << '\n';
    std::cout << "  body (" << request.body.size() << " bytes): " << request.body << '\n';
    for (const auto& [key, value] : request.formPairsInOrder) {
        std::cout << "    " << key << " = \"" << value << "\"\n";
    }
    std::cout.flush();
}

}  // namespace

int main(int argc, char** argv) {
    int port = 0;
    std::string scenarioName = "id";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--port" && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 1 || value > 65535) return usage(argv[0]);
            port = static_cast<int>(value);
        } else if (arg == "--scenario" && i + 1 < argc) {
            scenarioName = argv[++i];
        } else if (!arg.starts_with("-")) {
            scenarioName = arg;
        } else {
            return usage(argv[0]);
        }
    }
    tavimor::standin::Scenario scenario;
    if (port == 0 || !tavimor::standin::namedScenario(scenarioName, scenario))
        return usage(argv[0]);

    // Block the stop signals before the server starts its threads, so that
    // only sigwait below receives them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    tavimor::standin::StandinService service(scenario, port);
    if (!service.listening()) {
        std::cerr << "cannot listen on 127.0.0.1:" << port << '\n';
        return 1;
    }
    service.onRequest(print);
    std::cout << "stand-in registration service on http://" << service.hostAndPort()
              << tavimor::standin::kRegistrationPath << ", scenario " << scenarioName << std::endl;

    int received = 0;
    sigwait(&signals, &received);
    service.stop();
    return 0;
}
