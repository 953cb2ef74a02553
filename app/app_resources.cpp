#include "app/app_resources.h"

#include <QtGlobal>

#include <mutex>

// Q_INIT_RESOURCE declares a function of the global namespace where it
// stands, so it cannot stand inside ours, nor in an unnamed one.
static void initTavimorResources() { Q_INIT_RESOURCE(tavimor); }

namespace tavimor {

void registerResources() {
    static std::once_flag registered;
    std::call_once(registered, initTavimorResources);
}

}  // namespace tavimor
