// tavimor-screenshots: draws every page of the main dialog, without any
// display, into one PNG per page, for the documentation, and then the Screen
// Shot page previewing the colour schemes below. The pages are reached the
// way a user reaches them, through the dialog's own tab bar.
//
//   tavimor-screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QTabBar>
#include <QTemporaryDir>

#include <array>
#include <cstdio>

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
constexpr int kColorSchemePage = 4;

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
    // The dialog makes its Profiles folder in the current directory; that
    // belongs in a scratch folder, not beside the screenshots.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) {
        std::fprintf(stderr, "cannot create a scratch folder\n");
        return 1;
    }

    QApplication::setWindowIcon(tavimor::applicationIcon());
    tavimor::MessageBoxPrompts prompts;
    tavimor::CMainDialog dialog(prompts);
    dialog.show();
    for (int page = 0; page < tavimor::kTabPageCount; ++page) {
        dialog.tabBar()->setCurrentIndex(page);
        QApplication::processEvents();
        if (!saveWindow(dialog, output, tavimor::kTabPages[page].screenshotFile)) return 1;
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
        if (!saveWindow(dialog, output, shot.file)) return 1;
    }
    return 0;
}
