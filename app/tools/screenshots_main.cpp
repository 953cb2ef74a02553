// tavimor-screenshots: draws every page of the main dialog, without any
// display, into one PNG per page, for the documentation. The pages are
// reached the way a user reaches them, through the dialog's own tab bar.
//
//   tavimor-screenshots OUTPUT_FOLDER

#include <QApplication>
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
#include "app/tab_pages.h"
#include "app/user_prompts.h"

namespace {

// File names in tab order; the number keeps them listed in that order.
constexpr std::array<const char*, tavimor::kTabPageCount> kFileNames = {
    "page-0-welcome.png",       "page-1-screen-shot.png",    "page-2-contact-info.png",
    "page-3-your-logo.png",     "page-4-color-scheme.png",   "page-5-favorite-links.png",
    "page-6-target-search.png",
};

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
        const QString path = output.filePath(QString::fromLatin1(kFileNames[page]));
        if (!dialog.grab().toImage().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
