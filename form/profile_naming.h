#pragma once

#include <QString>

namespace tavimor {

// The file Save writes for the path chosen in its dialog. Only the name after
// the last '/' is looked at: when it contains ".dat" anywhere (exactly, case
// and all) the path is used as chosen, otherwise ".dat" is appended. So
// "mysite" becomes "mysite.dat", "MYSITE.DAT" becomes "MYSITE.DAT.dat", and
// "a.dat.bak" stays as it is.
QString profileSavePath(const QString& chosenPath);

}  // namespace tavimor
