#pragma once

// What the tests of the record of registrations share: a scratch folder that
// goes when the test ends, and registrations to keep.

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "profile_samples.h"
#include "registrations/registration.h"

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

}  // namespace tavimor::testing_support
