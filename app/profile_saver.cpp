#include "app/profile_saver.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "profile/profile_codec.h"

namespace tavimor {
namespace {

// System texts such as "Permission denied" read as the middle of a sentence.
QString asReason(QString text) {
    if (text.isEmpty()) return QStringLiteral("an unknown error occurred");
    text[0] = text[0].toLower();
    return text;
}

}  // namespace

std::optional<QString> saveProfileFile(const QString& file, const SiteProfile& profile) {
    const QFileInfo before(file);
    const bool existed = before.exists();
    const QString shownName = QDir::toNativeSeparators(file);
    const auto told = [&](QString message) {
        if (existed && !before.isDir()) message += QStringLiteral(" The file was left as it was.");
        return message;
    };
    const auto failed = [&](const QString& reason) {
        return told(QStringLiteral("Cannot save the profile \"%1\": %2.").arg(shownName, reason));
    };

    const ProfileResult<std::string> bytes = encodeProfile(profile);
    if (!bytes) {
        return told(QStringLiteral("Cannot save the profile \"%1\". %2")
                        .arg(shownName, QString::fromStdString(bytes.error().message)));
    }
    const std::string& data = bytes.value();

    // Every early return below leaves the temporary file to QSaveFile's
    // destructor, which removes it without touching `file`.

    QSaveFile save(file);
    // Writing straight into the old file when no temporary can be made beside
    // it (a folder without write permission) would truncate it first: better
    // to refuse.
    save.setDirectWriteFallback(false);
    // Unbuffered: every write below reaches the file at once and reports its
    // own failure. Through QSaveFile's buffer, the last piece is written only
    // by commit(), which in Qt 6.4 does not check that write, so a full disk
    // could swap a good file for a cut one while commit() reports success.
    if (!save.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failed(asReason(save.errorString()));
    }
    // QSaveFile creates a new file with the usual umask permissions; nothing
    // has been written yet, so narrowing them now exposes nothing.
    if (!existed && !save.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return failed(QStringLiteral("its permissions could not be limited to you alone (%1)")
                          .arg(asReason(save.errorString())));
    }

    qint64 written = 0;
    const auto total = static_cast<qint64>(data.size());
    while (written < total) {
        // A short count means the rest did not fit; the next call then fails
        // with the reason (a full disk, a file size limit).
        const qint64 count = save.write(data.data() + written, total - written);
        if (count <= 0) return failed(asReason(save.errorString()));
        written += count;
    }
    // commit() syncs the file too but ignores a failure there, and a failed
    // sync can mean the bytes never reach the disk.
    if (::fsync(save.handle()) != 0 && errno != EINVAL) {
        return failed(asReason(QString::fromLocal8Bit(std::strerror(errno))));
    }
    if (!save.commit()) return failed(asReason(save.errorString()));
    return std::nullopt;
}

}  // namespace tavimor
