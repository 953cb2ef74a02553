#include "res/colour_roles.h"

#include "submit/colour_codes.h"

namespace tavimor {

const std::array<ColourRole, 6> kColourRoles = {{
    {ControlId::BackgroundColourCombo, "page-background", &BackgroundColourCode},
    {ControlId::LinkColourCombo, "link-text", &LinkColourCode},
    {ControlId::VisitedLinkColourCombo, "visited-link-text", &VisitedLinkColourCode},
    {ControlId::ActiveLinkColourCombo, "active-link-text", &ActiveLinkColourCode},
    {ControlId::ResultBarColourCombo, "result-bar", &ResultBarColourCode},
    {ControlId::ResultBarTextColourCombo, "result-bar-text", &ResultBarTextColourCode},
}};

const ColourRole* colourRoleOf(ControlId control) {
    for (const ColourRole& role : kColourRoles) {
        if (role.control == control) return &role;
    }
    return nullptr;
}

}  // namespace tavimor
