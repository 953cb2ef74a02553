#include "form/profile_naming.h"

namespace tavimor {

QString profileSavePath(const QString& chosenPath) {
    // A ".dat" in a folder's name says nothing about the file's.
    const QString name = chosenPath.mid(chosenPath.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.contains(QLatin1String(".dat"), Qt::CaseSensitive)) return chosenPath;
    return chosenPath + QLatin1String(".dat");
}

}  // namespace tavimor
