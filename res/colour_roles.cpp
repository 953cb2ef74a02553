#include "res/colour_roles.h"

namespace tavimor {

const std::array<ColourRole, 6> kColourRoles = {{
    {&SiteProfile::bg_colour, "page-background"},
    {&SiteProfile::link_colour, "link-text"},
    {&SiteProfile::vlink_colour, "visited-link-text"},
    {&SiteProfile::alink_colour, "active-link-text"},
    {&SiteProfile::sbar_colour, "result-bar"},
    {&SiteProfile::sbartxt_colour, "result-bar-text"},
}};

}  // namespace tavimor
