#pragma once

#include <cstdio>
#include <filesystem>

namespace tavimor {

// Where the record of registrations is kept: the application's data folder
// (QStandardPaths::AppDataLocation), e.g. ~/.local/share/Tavimor. Needs the
// application's name set, as CMainApp sets it; an application object that
// opens no window (QCoreApplication) is enough.
std::filesystem::path registrationsFolder();

// `tavimor --registrations`: prints the record in `folder` to `out`, newest
// first, one registration per line (see listingLine), in UTF-8, and returns
// 0; no lines when there are none or no record yet. A damaged or unreadable
// record, or a failed write to `out`, prints one line saying why to `err` and
// returns 1. Changes nothing, opens no window and needs no display.
int printRegistrations(const std::filesystem::path& folder, std::FILE* out, std::FILE* err);

}  // namespace tavimor
