#include "registrations/registration_schema.h"

#include <array>

namespace tavimor::detail {
namespace {

// The form's columns are named after the profile's keys, so that a person
// reading the file with sqlite3 finds the form's own names.
constexpr std::string_view kVersion1 = R"sql(
CREATE TABLE registrations (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    kept_at TEXT NOT NULL,
    kept_at_utc INTEGER NOT NULL,
    id_text TEXT NOT NULL,
    id_code TEXT NOT NULL,
    host TEXT NOT NULL,
    password_kept INTEGER NOT NULL DEFAULT 0,
    user_name TEXT NOT NULL,
    email TEXT NOT NULL,
    site_name TEXT NOT NULL,
    site_URL TEXT NOT NULL,
    logo_location TEXT NOT NULL,
    logo_href TEXT NOT NULL,
    bg_colour TEXT NOT NULL,
    alink_colour TEXT NOT NULL,
    link_colour TEXT NOT NULL,
    sbar_colour TEXT NOT NULL,
    sbartxt_colour TEXT NOT NULL,
    vlink_colour TEXT NOT NULL,
    link1_title TEXT NOT NULL,
    link2_title TEXT NOT NULL,
    link3_title TEXT NOT NULL,
    link4_title TEXT NOT NULL,
    link1_url TEXT NOT NULL,
    link2_url TEXT NOT NULL,
    link3_url TEXT NOT NULL,
    link4_url TEXT NOT NULL,
    country TEXT NOT NULL,
    category TEXT NOT NULL,
    query2 TEXT NOT NULL,
    category_num TEXT NOT NULL
);
CREATE INDEX registrations_newest ON registrations (kept_at_utc DESC, id DESC);
)sql";

constexpr std::array<std::string_view, 1> kSteps = {kVersion1};

std::string columnList() {
    std::string list;
    for (const ProfileField* field : formColumns()) {
        list += ", ";
        list += field->key;
    }
    return list;
}

}  // namespace

std::span<const std::string_view> schemaSteps() { return kSteps; }

const std::vector<const ProfileField*>& formColumns() {
    static const std::vector<const ProfileField*> columns = [] {
        std::vector<const ProfileField*> kept;
        for (const ProfileField& field : kProfileFields) {
            if (field.member != &SiteProfile::password) kept.push_back(&field);
        }
        return kept;
    }();
    return columns;
}

const std::string& insertStatement() {
    static const std::string sql = [] {
        std::string values = "?, ?, ?, ?, ?";
        for (std::size_t i = 0; i < formColumns().size(); ++i) values += ", ?";
        return "INSERT INTO registrations (kept_at, kept_at_utc, id_text, id_code, host" +
               columnList() + ") VALUES (" + values + ")";
    }();
    return sql;
}

const std::string& listStatement() {
    static const std::string sql = "SELECT id, kept_at, id_text, id_code, host, password_kept" +
                                   columnList() +
                                   " FROM registrations ORDER BY kept_at_utc DESC, id DESC";
    return sql;
}

const std::string& findStatement() {
    static const std::string sql = "SELECT id, kept_at, id_text, id_code, host, password_kept" +
                                   columnList() + " FROM registrations WHERE id = ?";
    return sql;
}

const std::string& summaryStatement() {
    static const std::string sql =
        "SELECT id, kept_at, id_code, site_name, site_URL, email, password_kept"
        " FROM registrations ORDER BY kept_at_utc DESC, id DESC";
    return sql;
}

}  // namespace tavimor::detail
