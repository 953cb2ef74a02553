// tavimor-screenshots: draws every page of the main dialog, without any
// display, into one PNG per page, for the documentation, then the Screen
// Shot page previewing the colour schemes below, and last two pages under
// GNOME's dark style. The pages are reached the way a user reaches them,
// through the dialog's own tab bar.
//
//   tavimor-screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <string>

#include "app/main_dialog.h"
#include "app/picture_control.h"
#include "app/user_prompts.h"
#include "res/colour_roles.h"
#include "res/form_fields.h"
#include "res/tab_pages.h"

namespace {

// The colour boxes' texts, in the order of kColourRoles: background, link,
// visited link, active link, result bar, result bar text. A text no entry
// matches is typed in as it stands.
struct SchemeShot {
    const char* file;
    std::array<const char*, tavimor::kColourRoles.size()> texts;
};

constexpr SchemeShot kSchemeShots[] = {
    {"page-1-screen-shot-chosen-scheme.png",
     {"Wheat", "Navy", "Purple", "Red", "Steel Blue", "White"}},
    // "Wheet" is in no table: the background falls back to its default.
    {"page-1-screen-shot-misspelled.png",
     {"Wheet", "Navy", "Purple", "Red", "Steel Blue", "White"}},
};

constexpr int kScreenShotPage = 1;
constexpr int kContactInfoPage = 2;
constexpr int kColorSchemePage = 4;

// The dark style, from Debian's adwaita-qt6, and the pages shown under it,
// saved as the page's own file with "-dark" added to its name.
constexpr auto kDarkStyle = "Adwaita-Dark";
constexpr int kDarkPages[] = {kContactInfoPage, kColorSchemePage};

bool saveWindow(QWidget& window, const QDir& output, std::string_view name) {
    const QString path =
        output.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!window.grab().toImage().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Every page, then the Screen Shot page with each colour scheme, under the
// style the program started with.
bool savePages(const QDir& output, tavimor::UserPrompts& prompts) {
    tavimor::CMainDialog dialog(prompts);
    dialog.show();
    for (int page = 0; page < tavimor::kTabPageCount; ++page) {
        dialog.tabBar()->setCurrentIndex(page);
        QApplication::processEvents();
        if (!saveWindow(dialog, output, tavimor::kTabPages[page].screenshotFile)) return false;
    }
    for (const SchemeShot& shot : kSchemeShots) {
        dialog.tabBar()->setCurrentIndex(kColorSchemePage);
        for (std::size_t i = 0; i < tavimor::kColourRoles.size(); ++i) {
            auto* box = qobject_cast<QComboBox*>(
                dialog.control(tavimor::controlOf(tavimor::kColourRoles[i].field)));
            const QString text = QString::fromLatin1(shot.texts[i]);
            const int entry = box->findText(text, Qt::MatchExactly);
            if (entry >= 0) {
                box->setCurrentIndex(entry);
            } else {
                box->setEditText(text);
            }
        }
        dialog.tabBar()->setCurrentIndex(kScreenShotPage);
        QApplication::processEvents();
        if (!saveWindow(dialog, output, shot.file)) return false;
    }
    return true;
}

// Some pages again under the dark style, in a dialog of their own: it shows
// the boxes' start texts, and the first dialog is gone before the style
// changes.
bool saveDarkPages(const QDir& output, tavimor::UserPrompts& prompts) {
    // The style's own palette, since a style set while running keeps the
    // one the application started with.
    QStyle* dark = QApplication::setStyle(QString::fromLatin1(kDarkStyle));
    if (!dark) {
        std::fprintf(
            stderr,
            "the %s style is not installed: scripts/install-deps installs it (adwaita-qt6)\n",
            kDarkStyle);
        return false;
    }
    QApplication::setPalette(dark->standardPalette());
    tavimor::CMainDialog dialog(prompts);
    dialog.show();
    for (int page : kDarkPages) {
        dialog.tabBar()->setCurrentIndex(page);
        QApplication::processEvents();
        std::string file(tavimor::kTabPages[page].screenshotFile);
        file.insert(file.rfind(".png"), "-dark");
        if (!saveWindow(dialog, output, file)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Set before the application exists: the platform is chosen then.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    // Absolute, since the current directory changes below.
    const QDir output(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create the folder %s\n", argv[1]);
        return 1;
    }
    // The dialog makes its Profiles folder in the current directory, and
    // keeps recovery copies of the forms drawn here in the data folder; both
    // belong in a scratch folder, not beside the screenshots or among the
    // user's own copies.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) {
        std::fprintf(stderr, "cannot create a scratch folder\n");
        return 1;
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.path()));

    QApplication::setWindowIcon(tavimor::applicationIcon());
    tavimor::MessageBoxPrompts prompts;
    return savePages(output, prompts) && saveDarkPages(output, prompts) ? 0 : 1;
}
