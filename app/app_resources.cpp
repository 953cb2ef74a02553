#include "app/app_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares a function of the global namespace where it
// stands, so it cannot stand inside ours, nor in an unnamed one.
static void initTavimorResources() { Q_INIT_RESOURCE(tavimor); }

namespace tavimor {

void registerResources() {
    static const bool registered = (initTavimorResources(), true);
    (void)registered;
}

}  // namespace tavimor
