#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tavimor {

// What the command line asks for: `tavimor [PROFILE]` opens the window, with
// the profile PROFILE loaded when one is given; --help and --version print
// their answer; --registrations lists the registrations kept; anything else prints the usage to the
// error output.
struct StartRequest {
    // Set when the program ends at once, its answer printed: 0 for --help
    // and --version, 2 for a command line it cannot follow.
    std::optional<int> exitCode;
    QString profile;  // to load once the window shows; empty for none
    // --registrations: the record is printed, and no window opens.
    bool listRegistrations = false;
};

// Reads `arguments`, the program's name first; Qt's own options for its
// window system and widgets are let through for the application to take.
StartRequest readCommandLine(const QStringList& arguments);

}  // namespace tavimor
