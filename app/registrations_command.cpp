#include "app/registrations_command.h"

#include <QFile>
#include <QStandardPaths>

#include <string>

#include "dialog_engine/text.h"
#include "form/registrations_model.h"
#include "registrations/registration_store.h"
#include "registrations/registration_text.h"

namespace tavimor {

std::filesystem::path registrationsFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return pathFromText(data);
}

int printRegistrations(const std::filesystem::path& folder, std::FILE* out, std::FILE* err) {
    const StoreResult<std::vector<RegistrationSummary>> rows = RegistrationStore::readOnly(folder);
    if (!rows) {
        std::fprintf(err, "tavimor: the registrations cannot be listed: %s\n",
                     rows.error().reason.c_str());
        return 1;
    }
    std::string listing;
    for (const RegistrationSummary& registration : rows.value()) {
        listing += listingLine(shownAsUtf8(registration));
    }
    if (std::fwrite(listing.data(), 1, listing.size(), out) != listing.size() ||
        std::fflush(out) != 0) {
        std::fprintf(err, "tavimor: the registrations could not be written out\n");
        return 1;
    }
    return 0;
}

}  // namespace tavimor
