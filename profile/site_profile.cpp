#include "profile/site_profile.h"

#include <cstdio>
#include <ostream>

#include "profile/profile_fields.h"

namespace tavimor {

std::ostream& operator<<(std::ostream& out, const SiteProfile& profile) {
    out << "SiteProfile{\n";
    for (const ProfileField& field : kProfileFields) {
        out << "  " << field.key << "=\"";
        for (unsigned char c : profile.*field.member) {
            if (c == '"' || c == '\\') {
                out << '\\' << c;
            } else if (c >= 0x20 && c < 0x7F) {
                out << c;
            } else {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", c);
                out << hex;
            }
        }
        out << "\"\n";
    }
    return out << '}';
}

void PrintTo(const SiteProfile& profile, std::ostream* out) { *out << profile; }

}  // namespace tavimor
