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
// Binds kept_at, kept_at_utc, id_text, id_code, host, then the form's columns.
const std::string& insertStatement();
// Gives id, kept_at, id_text, id_code, host, password_kept, then the form's
// columns: every row, newest first; or the row whose id is bound.
const std::string& listStatement();
const std::string& findStatement();
// Gives id, kept_at, id_code, site_name, site_URL, email, password_kept;
// every row, newest first.
const std::string& summaryStatement();

}  // namespace tavimor::detail
