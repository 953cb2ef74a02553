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

#include <cstdio>

#include "app/main_dialog.h"
#include "app/picture_control.h"
#include "app/user_prompts.h"
#include "res/tab_pages.h"

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
        const std::string_view name = tavimor::kTabPages[page].screenshotFile;
        const QString path =
            output.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (!dialog.grab().toImage().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
