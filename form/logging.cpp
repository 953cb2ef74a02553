#include "form/logging.h"

namespace tavimor {

Q_LOGGING_CATEGORY(lcSubmit, "tavimor.submit")
Q_LOGGING_CATEGORY(lcProfile, "tavimor.profile")
Q_LOGGING_CATEGORY(lcRegistrations, "tavimor.registrations")

}  // namespace tavimor
