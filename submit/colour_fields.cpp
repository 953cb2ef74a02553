#include "submit/colour_fields.h"

namespace tavimor {

const std::array<ColourField, 6> kColourFields = {{
    {&SiteProfile::bg_colour, &RegistrationCodes::bg_colour, &kBackgroundColourTranslation},
    {&SiteProfile::link_colour, &RegistrationCodes::link_colour, &kLinkColourTranslation},
    {&SiteProfile::vlink_colour, &RegistrationCodes::vlink_colour, &kVisitedLinkColourTranslation},
    {&SiteProfile::alink_colour, &RegistrationCodes::alink_colour, &kActiveLinkColourTranslation},
    {&SiteProfile::sbar_colour, &RegistrationCodes::sbar_colour, &kResultBarColourTranslation},
    {&SiteProfile::sbartxt_colour, &RegistrationCodes::sbartxt_colour,
     &kResultBarTextColourTranslation},
}};

const ColourField* colourFieldOf(std::string SiteProfile::*name) {
    for (const ColourField& field : kColourFields) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

}  // namespace tavimor
