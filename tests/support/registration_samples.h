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

// Makes the record in `folder` hold `count` registrations like
// sampleRegistration(0), one a second from `start` on, kept in an order
// unlike their times: the n-th at second (n * 7919) mod count, which is every
// second once when count is not a multiple of 7919. Their ID codes are their
// seconds after `start`, but the first one's, 48000. Copied in one
// transaction: one by one, each with its sync, they would take minutes.
// Empty when all went well, else what failed.
inline std::string fillRecord(const std::filesystem::path& folder, int count, std::time_t start) {
    {
        StoreResult<RegistrationStore> store = RegistrationStore::open(folder);
        if (!store) return store.error().reason;
        if (!store.value().add(sampleRegistration(0, utcText(start)))) return "add failed";
    }
    sqlite3* db = nullptr;
    const auto failed = [&db](const char* what) {
        std::string said = std::string(what) + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return said;
    };
    if (sqlite3_open((folder / RegistrationStore::kRecordFileName).c_str(), &db) != SQLITE_OK) {
        return failed("open");
    }
    if (sqlite3_exec(db,
                     "BEGIN; CREATE TEMP TABLE model AS SELECT * FROM registrations;"
                     "UPDATE model SET id = NULL;",
                     nullptr, nullptr, nullptr) != SQLITE_OK) {
        return failed("model");
    }
    sqlite3_stmt* update = nullptr;
    if (sqlite3_prepare_v2(db, "UPDATE model SET kept_at = ?, kept_at_utc = ?, id_code = ?", -1,
                           &update, nullptr) != SQLITE_OK) {
        return failed("prepare");
    }
    for (int n = 1; n < count; ++n) {
        const std::time_t at = start + (std::int64_t{n} * 7919) % count;
        const std::string text = utcText(at), code = std::to_string(at - start);
        sqlite3_bind_text(update, 1, text.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(update, 2, at);
        sqlite3_bind_text(update, 3, code.c_str(), -1, SQLITE_TRANSIENT);
        const int rc = sqlite3_step(update);
        sqlite3_reset(update);
        if (rc != SQLITE_DONE || sqlite3_exec(db, "INSERT INTO registrations SELECT * FROM model",
                                              nullptr, nullptr, nullptr) != SQLITE_OK) {
            sqlite3_finalize(update);
            return failed("copy");
        }
    }
    sqlite3_finalize(update);
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) return failed("commit");
    sqlite3_close(db);
    return {};
}

}  // namespace tavimor::testing_support
