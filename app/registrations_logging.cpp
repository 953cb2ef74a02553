#include "app/registrations_logging.h"

namespace tavimor {

Q_LOGGING_CATEGORY(lcRegistrations, "tavimor.registrations")

}  // namespace tavimor
