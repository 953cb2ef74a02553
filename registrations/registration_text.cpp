#include "registrations/registration_text.h"

#include <cstdio>

#include "profile/profile_fields.h"

namespace tavimor {
namespace {

void appendEscaped(std::string& out, std::string_view value) {
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", byte);
                out += hex;
            } else {
                out += c;
            }
        }
    }
}

void appendCsvField(std::string& out, std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string fromService(std::string_view value) {
    const bool formulaLike =
        !value.empty() && std::string_view("=+-@").find(value.front()) != std::string_view::npos;
    return formulaLike ? "'" + std::string(value) : std::string(value);
}

// The fields the CSV lists after the first five: the rest of the form.
bool amongFirstColumns(const ProfileField& field) {
    return field.member == &SiteProfile::site_name || field.member == &SiteProfile::site_URL ||
           field.member == &SiteProfile::email || field.member == &SiteProfile::password;
}

void appendCsvRow(std::string& out, const std::vector<std::string_view>& fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) out += ',';
        first = false;
        appendCsvField(out, field);
    }
    out += "\r\n";
}

}  // namespace

std::string listingLine(const RegistrationSummary& registration) {
    std::string line;
    const std::string_view fields[] = {registration.keptAt, registration.idCode,
                                       registration.siteName, registration.siteUrl,
                                       registration.email};
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) line += '\t';
        first = false;
        appendEscaped(line, field);
    }
    line += '\n';
    return line;
}

std::string registrationsCsv(const std::vector<Registration>& registrations) {
    std::string csv;
    std::vector<std::string_view> header = {"Date", "ID Code", "Site Name", "Site URL", "E-mail"};
    for (const ProfileField& field : kProfileFields) {
        if (!amongFirstColumns(field)) header.push_back(field.label.source);
    }
    header.insert(header.end(), {"ID Text", "Service", "Password in Keyring"});
    appendCsvRow(csv, header);
    for (const Registration& registration : registrations) {
        const std::string idCode = fromService(registration.idCode);
        const std::string idText = fromService(registration.idText);
        const SiteProfile& form = registration.form;
        std::vector<std::string_view> row = {registration.keptAt, idCode, form.site_name,
                                             form.site_URL, form.email};
        for (const ProfileField& field : kProfileFields) {
            if (!amongFirstColumns(field)) row.push_back(form.*field.member);
        }
        row.insert(row.end(),
                   {idText, registration.host, registration.passwordKept ? "yes" : "no"});
        appendCsvRow(csv, row);
    }
    return csv;
}

}  // namespace tavimor
