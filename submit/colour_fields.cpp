#include "submit/colour_fields.h"

#include "submit/colour_codes.h"

namespace tavimor {

const std::array<ColourField, 6> kColourFields = {{
    {&SiteProfile::bg_colour, &RegistrationCodes::bg_colour, &BackgroundColourCode},
    {&SiteProfile::link_colour, &RegistrationCodes::link_colour, &LinkColourCode},
    {&SiteProfile::vlink_colour, &RegistrationCodes::vlink_colour, &VisitedLinkColourCode},
    {&SiteProfile::alink_colour, &RegistrationCodes::alink_colour, &ActiveLinkColourCode},
    {&SiteProfile::sbar_colour, &RegistrationCodes::sbar_colour, &ResultBarColourCode},
    {&SiteProfile::sbartxt_colour, &RegistrationCodes::sbartxt_colour, &ResultBarTextColourCode},
}};

const ColourField* colourFieldOf(std::string SiteProfile::*name) {
    for (const ColourField& field : kColourFields) {
        if (field.name == name) return &field;
    }
    return nullptr;
}

}  // namespace tavimor
