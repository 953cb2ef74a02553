#pragma once

// What the tests and benchmarks of the record of registrations share: a
// scratch folder that goes when the test ends, registrations to keep, and a
// record filled with many of them at once.

#include <sqlite3.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "profile_samples.h"
#include "registrations/registration.h"
#include "registrations/registration_store.h"

namespace tavimor::testing_support {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tavimor-registrations-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        // Whatever a test made read-only must not outlive it.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
            ::chmod(entry.path().c_str(), 0700);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A registration as a submission gives it, its fields told apart by `n`.
inline Registration sampleRegistration(int n, std::string keptAt = "2026-12-07T23:05:07+01:00") {
    SiteProfile form = startProfile();
    form.user_name = "Ann Example " + std::to_string(n);
    form.email = "ann" + std::to_string(n) + "@example.org";
    form.password = "secret-" + std::to_string(n);
    form.site_name = "Site " + std::to_string(n);
    form.site_URL = "https://www.example.org/" + std::to_string(n);
    Registration registration;
    registration.keptAt = std::move(keptAt);
    registration.idCode = std::to_string(48000 + n);
    registration.idText = "Your ID Code is : " + registration.idCode;
    registration.host = "registration.tavimor.example";
    registration.form = form;
    registration.form.password.clear();
    return registration;
}

inline std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline unsigned modeOf(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

inline std::string utcText(std::time_t seconds) {
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S+00:00", &utc);
    return text;
}

// Makes a new record in `folder` hold `count` registrations like
// sampleRegistration(0), one a second from `start` on, kept in an order
// unlike their times: the one with row id n + 1 at second (n * 7919) mod
// count, which is every second once when count is not a multiple of 7919.
// Their ID codes are those seconds, but the first one's, 48000. Copied in one
// transaction: one by one, each with its sync, they would take minutes.
// Empty when all went well, else what failed.
inline std::string fillRecord(const std::filesystem::path& folder, int count, std::time_t start) {
    {
        StoreResult<RegistrationStore> store = RegistrationStore::open(folder);
        if (!store) return store.error().reason;
        if (!store.value().add(sampleRegistration(0, utcText(start)))) return "add failed";
    }
    const std::string at =
        std::to_string(start) + " + ((id - 1) * 7919) % " + std::to_string(count);
    const std::string sql =
        "BEGIN; CREATE TEMP TABLE model AS SELECT * FROM registrations; UPDATE model SET id = NULL;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(count - 1) + ") INSERT INTO registrations SELECT model.* FROM model, n;" +
        "UPDATE registrations SET kept_at_utc = " + at +
        ", kept_at = strftime('%Y-%m-%dT%H:%M:%S+00:00', " + at + ", 'unixepoch')" +
        ", id_code = ((id - 1) * 7919) % " + std::to_string(count) + " WHERE id > 1; COMMIT;";
    sqlite3* db = nullptr;
    const int rc = sqlite3_open((folder / RegistrationStore::kRecordFileName).c_str(), &db);
    std::string failed;
    if (rc != SQLITE_OK || sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        failed = sqlite3_errmsg(db);
    }
    sqlite3_close(db);
    return failed;
}

}  // namespace tavimor::testing_support
