#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>

#include "../profile/profile_samples.h"
#include "app/profile_naming.h"
#include "app_test_support.h"
#include "res/dialog_templates.h"

namespace tavimor {
namespace {

using namespace testing_support;

// Runs `body` in a forked copy of this process, which may lower its file size
// limit or give up root without touching the test runner; returns what `body`
// returned. A child still busy after 30 s is killed.
std::string inChild(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        const std::string out = body();
        ::_exit(::write(fds[1], out.data(), out.size()) == ssize_t(out.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string out;
    char buffer[4096];
    pollfd ready{fds[0], POLLIN, 0};
    ssize_t n = 1;
    while (pid > 0 && n > 0 && ::poll(&ready, 1, 30000) == 1) {
        if ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) out.append(buffer, std::size_t(n));
    }
    ::close(fds[0]);
    if (pid < 0) return "no child";
    if (n != 0) ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return n == 0 ? out : "the child hung";
}

unsigned modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void setMode(const QString& path, unsigned mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

std::string bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
}

void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

// What a user might type: combo texts in no list, letters beyond ASCII, and
// lengths on both sides of each step of the length prefix.
SiteProfile typedProfile() {
    constexpr std::size_t kLengths[] = {0, 254, 255, 0xFFFD, 0xFFFE, 70000};
    SiteProfile profile;
    std::size_t index = 0;
    for (const ProfileField& field : kProfileFields) {
        profile.*field.member = index < std::size(kLengths)
                                    ? std::string(kLengths[index], char('a' + index))
                                    : std::string(field.key) + " Zoë & 日本 = 100%";
        ++index;
    }
    profile.bg_colour = "Mauve";
    profile.category = "Html  Support";
    profile.category_num = "Everything";
    return profile;
}

class ProfileFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList filesHere() const { return QDir(dir.path()).entryList(QDir::Files); }

    void save(const QString& name) {
        prompts.filesToPick.push_back(path(name));
        dialog.OnSave();
    }
    void load(const QString& file) {
        prompts.filesToPick.push_back(file);
        dialog.OnLoad();
    }
    void fillControls(const SiteProfile& profile) {
        const SiteProfile kept = std::exchange(dialog.siteProfile(), profile);
        dialog.copyProfileToControls();
        dialog.siteProfile() = kept;
    }
    SiteProfile controlsNow() {
        const SiteProfile kept = dialog.siteProfile();
        dialog.copyControlsToProfile();
        return std::exchange(dialog.siteProfile(), kept);
    }
    void expectDialogShown(FileDialogPurpose purpose, const QString& label) const {
        ASSERT_EQ(prompts.fileDialogs.size(), 1u);
        EXPECT_EQ(prompts.fileDialogs[0].purpose, purpose);
        EXPECT_EQ(prompts.fileDialogs[0].folder, dialog.profileFolder());
        EXPECT_EQ(prompts.fileDialogs[0].filterLabel, label);
    }

    QTemporaryDir dir;
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

TEST_F(ProfileFiles, SavesWhatAnIndependentEncoderWritesReadableByTheOwnerOnly) {
    save("fresh");
    expectDialogShown(FileDialogPurpose::Save, "Data Files *.DAT");
    EXPECT_EQ(bytesOf(path("fresh.dat")), referenceEncoding(startProfile()));

    fillControls(typedProfile());
    save("typed.dat");
    EXPECT_TRUE(bytesOf(path("typed.dat")) == referenceEncoding(typedProfile()));
    EXPECT_EQ(filesHere(), QStringList({"fresh.dat", "typed.dat"}));
    EXPECT_EQ(modeOf(path("fresh.dat")), 0600u);
    EXPECT_EQ(modeOf(path("typed.dat")), 0600u);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ProfileFiles, TheChosenNameGetsDotDatUnlessItHoldsOne) {
    const std::pair<QString, QString> names[] = {{"mysite", "mysite.dat"},
                                                 {"mysite.dat", "mysite.dat"},
                                                 {"MYSITE.DAT", "MYSITE.DAT.dat"},
                                                 {"a.dat.bak", "a.dat.bak"},
                                                 {"my.da", "my.da.dat"}};
    for (const auto& [chosen, written] : names) {
        for (const QString& file : filesHere()) QFile::remove(path(file));
        save(chosen);
        EXPECT_EQ(filesHere(), QStringList{written}) << chosen.toStdString();
    }
    // Only the name counts, not the folders above it.
    EXPECT_EQ(profileSavePath("/p/x.dat.d/mysite"), "/p/x.dat.d/mysite.dat");
}

TEST_F(ProfileFiles, ReplacingTheDotDatFileOfAnotherNameIsAskedFirst) {
    writeBytes(path("mysite.dat"), "old");
    setMode(path("mysite.dat"), 0640);
    prompts.answers = {false, true};
    save("mysite");
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_TRUE(prompts.questions[0].contains(path("mysite.dat")));
    EXPECT_EQ(bytesOf(path("mysite.dat")), "old");

    save("mysite");
    EXPECT_EQ(bytesOf(path("mysite.dat")), referenceEncoding(startProfile()));
    EXPECT_EQ(modeOf(path("mysite.dat")), 0640u) << "a replaced file keeps its permissions";
    save("mysite.dat");  // confirmed in the file dialog already
    save("other");
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ProfileFiles, AFailedSaveSaysSoAndLeavesTheOldFileWhole) {
    const std::string old = referenceEncoding(richProfile());
    ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
    writeBytes(path("ro/kept.dat"), old);
    writeBytes(path("kept.dat"), old);
    // A writable file in a read-only folder, and a way in for "nobody".
    setMode(path("ro/kept.dat"), 0666);
    setMode(path("ro"), 0555);
    setMode(dir.path(), 0755);
    const auto asNobody = [] {  // root would write anywhere
        return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
    };
    const auto sizeLimit = [](rlim_t bytes) {
        return [bytes] {  // past the limit write() fails with EFBIG instead of killing us
            const rlimit limit{bytes, bytes};
            return ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        };
    };
    struct Case {
        QString chosen;
        std::function<bool()> restrict;
        std::size_t userNameLength;
        std::string reason;
    };
    const Case cases[] = {
        {"ro/new", asNobody, 0, "permission denied."},
        {"ro/kept.dat", asNobody, 0, "permission denied. The file was left as it was."},
        // Smaller than any write buffer: the full disk must show all the same.
        {"kept.dat", sizeLimit(100), 0, "file too large. The file was left as it was."},
        {"kept.dat", sizeLimit(20000), 70000, "file too large. The file was left as it was."},
    };
    for (const Case& c : cases) {
        const QStringList before = QDir(dir.path()).entryList() + QDir(path("ro")).entryList();
        controlAs<QLineEdit>(dialog, 1002)->setText(QString(qsizetype(c.userNameLength), 'x'));
        const std::string shown = inChild([&] {
            if (!c.restrict()) return std::string("could not restrict the child");
            save(c.chosen);
            return prompts.messages.size() == 1 ? prompts.messages[0].toStdString() : "no message";
        });
        const QString file = profileSavePath(path(c.chosen));
        EXPECT_EQ(shown, "Cannot save the profile \"" + file.toStdString() + "\": " + c.reason);
        EXPECT_EQ(QDir(dir.path()).entryList() + QDir(path("ro")).entryList(), before);
        if (QFile::exists(file)) {
            EXPECT_TRUE(bytesOf(file) == old) << file.toStdString();
        }
    }
    setMode(path("ro"), 0700);
}

TEST_F(ProfileFiles, LoadFillsEveryControlAndLeavesPageAndVisibilityAlone) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    chooseTab(dialog, 4);
    const auto shownNow = [&] {
        std::map<int, bool> shown;
        for (const DialogControl& c : kMainDialogTemplate.controls) {
            shown[c.id] = dialog.control(c.id) && dialog.control(c.id)->isVisibleTo(&dialog);
        }
        return shown;
    };
    const std::map<int, bool> shownBefore = shownNow();
    const int listBefore = controlAs<QComboBox>(dialog, 1023)->count();
    writeBytes(path("site.dat"), referenceEncoding(typedProfile()));

    load(path("site.dat"));
    expectDialogShown(FileDialogPurpose::Load, "Data Files (*.dat)");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(dialog.siteProfile() == typedProfile());
    EXPECT_TRUE(controlsNow() == typedProfile());
    EXPECT_EQ(controlAs<QComboBox>(dialog, 1023)->count(), listBefore);
    EXPECT_EQ(dialog.tabBar()->currentIndex(), 4);
    EXPECT_EQ(shownNow(), shownBefore);

    save("again.dat");
    EXPECT_TRUE(bytesOf(path("again.dat")) == bytesOf(path("site.dat")));
}

TEST_F(ProfileFiles, ABadFileOrACancelChangesNothingAndABadFileSaysWhy) {
    writeBytes(path("cut.dat"), referenceEncoding(richProfile()).substr(0, 300));
    // 0xFF, 0xFFFF, then a 32-bit length of 4 GiB - 1, and no text.
    writeBytes(path("huge.dat"), std::string(7, '\xFF'));
    const std::pair<QString, std::string> files[] = {
        {path("missing.dat"), "there is no such file"},
        {path("cut.dat"), "it ends in the middle of field 4 (site_name)"},
        {path("huge.dat"), "it ends in the middle of field 1 (user_name), which declares 4294967295"},
        {dir.path(), "it is a folder"},
        {QString(), ""},  // cancelled
    };
    dialog.siteProfile() = richProfile();
    fillControls(typedProfile());
    for (const auto& [file, reason] : files) {
        SCOPED_TRACE(file.toStdString());
        prompts.messages.clear();
        load(file);
        EXPECT_TRUE(dialog.siteProfile() == richProfile());
        EXPECT_TRUE(controlsNow() == typedProfile());
        ASSERT_EQ(prompts.messages.size(), file.isEmpty() ? 0u : 1u);
        if (file.isEmpty()) continue;
        EXPECT_TRUE(prompts.messages[0].startsWith(
            QStringLiteral("Cannot load the profile \"%1\": %2").arg(file, qs(reason))))
            << prompts.messages[0].toStdString();
    }
    dialog.OnSave();  // cancelled
    EXPECT_EQ(filesHere(), QStringList({"cut.dat", "huge.dat"}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ProfileFiles, BytesThatAreNotUtf8StillLoad) {
    SiteProfile odd = startProfile();
    odd.user_name = "\xFF\xFE ok \x80";
    odd.email = std::string("a\0b", 3);
    writeBytes(path("odd.dat"), referenceEncoding(odd));
    load(path("odd.dat"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(dialog.siteProfile(), odd);
    EXPECT_TRUE(controlAs<QLineEdit>(dialog, 1002)->text().contains(" ok "));
}

TEST(ProfileFileDialogs, ListDotDatFilesInAnyCaseAndProposeNoName) {
    QTemporaryDir dir;
    for (const char* name : {"a.dat", "B.DAT", "c.Dat", "d.txt", "e.dat.bak"}) {
        writeBytes(dir.filePath(name), "");
    }
    for (const auto& [purpose, label] : {std::pair{FileDialogPurpose::Save, "Data Files *.DAT"},
                                         std::pair{FileDialogPurpose::Load, "Data Files (*.dat)"}}) {
        const auto dialog = makeFileDialog(nullptr, purpose, dir.path(), label);
        EXPECT_EQ(dialog->nameFilters(), QStringList{label});
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->show();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        auto* list = dialog->findChild<QListView*>("listView");
        ASSERT_TRUE(name && list);
        EXPECT_EQ(name->text(), "");
        // The folder is listed in the background.
        const auto rows = [&] { return list->model()->rowCount(list->rootIndex()); };
        for (int waited = 0; waited < 5000 && rows() < 3; waited += 20) QTest::qWait(20);
        QStringList shown;
        for (int row = 0; row < rows(); ++row) {
            shown << list->model()->index(row, 0, list->rootIndex()).data().toString();
        }
        shown.sort();
        EXPECT_EQ(shown, QStringList({"B.DAT", "a.dat", "c.Dat"})) << label;
    }
}

}  // namespace
}  // namespace tavimor
