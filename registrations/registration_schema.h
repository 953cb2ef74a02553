#pragma once

// Internal to registrations/: the tables of the record, version by version,
// and the statements that read and write them.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile_fields.h"

namespace tavimor::detail {

// Step i brings a record of schema version i to version i + 1; a new record
// (version 0) takes them all. A step, once released, is never edited: a
// change to the schema is a new step at the end.
std::span<const std::string_view> schemaSteps();

// The form's fields as columns of the record, in canonical order: all but
// the password, which is never written there.
const std::vector<const ProfileField*>& formColumns();

// The statements, built once from the column table.
const std::string&
insertStatement();  // values: kept_at, kept_at_utc, id_text, id_code, host, form...
const std::string&
listStatement();  // columns: id, kept_at, id_text, id_code, host, password_kept, form...

}  // namespace tavimor::detail
