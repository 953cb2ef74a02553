#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "profile/site_profile.h"
#include "profile/translatable_text.h"

namespace tavimor {

// A likely mistake in one field, in words for the user.
struct FieldHint {
    std::string SiteProfile::*field;
    TranslatableText words;
};

// One rule: the fields it looks at together, and the check that finds a likely
// mistake among them: at most one hint, on one of those fields.
struct HintRule {
    std::vector<std::string SiteProfile::*> fields;
    std::function<std::optional<FieldHint>(const SiteProfile& form)> check;
};

// The table, in one place: one row per rule and field group (built once).
// Hints only point; nothing sent, saved or loaded depends on them.
const std::vector<HintRule>& hintRules();

// Every hint the rules raise for `form` (the texts the form shows, as UTF-8),
// at most one per field: the first row's. In table order.
std::vector<FieldHint> hintsFor(const SiteProfile& form);

}  // namespace tavimor
