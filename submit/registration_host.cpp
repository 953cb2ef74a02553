#include "submit/registration.h"

// Set by submit/CMakeLists.txt from the cache variable of the same name, on
// this file only, so pointing a build elsewhere recompiles nothing else.
#ifndef TAVIMOR_REGISTRATION_HOST
#error "TAVIMOR_REGISTRATION_HOST must be defined by the build"
#endif

namespace tavimor {

std::string_view RegistrationHost() { return TAVIMOR_REGISTRATION_HOST; }

}  // namespace tavimor
