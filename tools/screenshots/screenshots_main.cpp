// tavimor-screenshots: draws every page of the main dialog, without any
// display, into one PNG per page, for the documentation; then forms loaded
// as profiles: the Screen Shot and Color Scheme pages previewing the colour
// schemes below, and Contact Info pointing at two likely mistakes; the
// question before a form with likely mistakes is sent, and the
// Registrations window; then two pages under GNOME's dark style; and last
// two pages in German. The pages are reached the way a user reaches them,
// through the dialog's own tab bar.
//
//   tavimor-screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <chrono>
#include <functional>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/translations.h"
#include "dialog_engine/picture_control.h"
#include "dialog_engine/tab_control.h"
#include "dialog_engine/template_builder.h"
#include "dialog_engine/text.h"
#include "form/main_dialog.h"
#include "form/user_prompts.h"
#include "profile/profile_file.h"
#include "registrations/registration_store.h"
#include "res/colour_roles.h"
#include "res/form_fields.h"
#include "res/tab_pages.h"

namespace {

// The dialogs' folders, in the scratch folder the tool works in.
tavimor::FormFolders scratchFolders() {
    return {QDir::currentPath() + QStringLiteral("/Profiles"),
            std::filesystem::current_path() / "recovery",
            std::filesystem::current_path() / "registrations"};
}

inline QTabBar* tabBarOf(const QWidget& dialog) {
    return qobject_cast<tavimor::TabControl*>(
               tavimor::findControl(dialog, tavimor::ControlId::TabControl))
        ->tabBar();
}

// A form loaded as a profile and then shown on two pages: the colour boxes'
// texts, in the order of kColourRoles (background, link, visited link,
// active link, result bar, result bar text), and Contact Info's fields.
struct FormShot {
    const char* screenShotFile;  // the Screen Shot page, if not null
    const char* otherPageFile;   // the other page
    int otherPage;
    std::array<const char*, tavimor::kColourRoles.size()> colours;
    const char* email;
    const char* country;
};

constexpr int kScreenShotPage = 1;
constexpr int kContactInfoPage = 2;
constexpr int kColorSchemePage = 4;

constexpr FormShot kFormShots[] = {
    {"page-1-screen-shot-chosen-scheme.png",
     "page-4-color-scheme-chosen-scheme.png",
     kColorSchemePage,
     {"Wheat", "Navy", "Purple", "Red", "Steel Blue", "White"},
     "jane@example.com",
     "GB"},
    // "Wheet" is in no table: the background falls back to its default, and
    // the box says so.
    {"page-1-screen-shot-misspelled.png",
     "page-4-color-scheme-misspelled.png",
     kColorSchemePage,
     {"Wheet", "Navy", "Purple", "Red", "Steel Blue", "White"},
     "jane@example.com",
     "GB"},
    // Two likely mistakes on Contact Info, pointed at.
    {nullptr,
     "page-2-contact-info-hints.png",
     kContactInfoPage,
     {"White", "Navy", "Purple", "Red", "Steel Blue", "White"},
     "jane@example",
     "USA"},
};

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

bool showPage(tavimor::CMainDialog& dialog, int page, const QDir& output, std::string_view file) {
    tabBarOf(dialog)->setCurrentIndex(page);
    QApplication::processEvents();
    return saveWindow(dialog, output, file);
}

// The form of `shot`, loaded as a profile is, so that its likely mistakes
// are pointed at as after any Load.
bool loadForm(tavimor::CMainDialog& dialog, const FormShot& shot) {
    tavimor::SiteProfile form;
    for (const tavimor::FormField& field : tavimor::kFormFields) {
        form.*field.member = field.startText;
    }
    for (std::size_t i = 0; i < tavimor::kColourRoles.size(); ++i) {
        form.*tavimor::kColourRoles[i].field = shot.colours[i];
    }
    form.user_name = "Jane Example";
    form.email = shot.email;
    form.site_name = "Jane's Garden";
    form.site_URL = "http://www.example.com/garden/";
    form.country = shot.country;
    const std::filesystem::path file = std::filesystem::current_path() / "shot.dat";
    if (tavimor::writeProfileFile(file, form)) return false;
    // Loaded as a profile named at start is.
    dialog.openAtStart(tavimor::textFromPath(file));
    return true;
}

// Every page as the dialog starts, then each form of kFormShots, under the
// style the program started with.
bool savePages(const QDir& output, tavimor::UserPrompts& prompts) {
    tavimor::CMainDialog dialog(prompts, scratchFolders());
    dialog.show();
    for (int page = 0; page < tavimor::kTabPageCount; ++page) {
        if (!showPage(dialog, page, output, tavimor::kTabPages[page].screenshotFile)) return false;
    }
    for (const FormShot& shot : kFormShots) {
        if (!loadForm(dialog, shot)) return false;
        if (shot.screenShotFile &&
            !showPage(dialog, kScreenShotPage, output, shot.screenShotFile)) {
            return false;
        }
        if (!showPage(dialog, shot.otherPage, output, shot.otherPageFile)) return false;
    }
    return true;
}

// Some pages again under the dark style, in a dialog of their own: it shows
// the boxes' start texts, and the first dialog is gone before the style
// changes.
bool saveDarkPages(const QDir& output, tavimor::UserPrompts& prompts) {
    // The style's own palette, since a style set while running keeps the
    // one the application started with.
    QStyle* dark = QApplication::setStyle(QLatin1String(kDarkStyle));
    if (!dark) {
        std::fprintf(
            stderr,
            "the %s style is not installed: scripts/install-deps installs it (adwaita-qt6)\n",
            kDarkStyle);
        return false;
    }
    QApplication::setPalette(dark->standardPalette());
    tavimor::CMainDialog dialog(prompts, scratchFolders());
    dialog.show();
    for (int page : kDarkPages) {
        tabBarOf(dialog)->setCurrentIndex(page);
        QApplication::processEvents();
        std::string file(tavimor::kTabPages[page].screenshotFile);
        file.insert(file.rfind(".png"), "-dark");
        if (!saveWindow(dialog, output, file)) return false;
    }
    return true;
}

// Saves the modal window that `open` brings up, once it shows, as `name`,
// then closes it as Escape would.
bool saveModal(const QDir& output, std::string_view name, const std::function<void()>& open) {
    bool saved = false;
    QTimer::singleShot(200, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            saved = saveWindow(*modal, output, name);
            modal->close();
        }
    });
    open();
    return saved;
}

// The question before a form with likely mistakes is sent, and the
// Registrations window over a record of three registrations.
bool saveRegistrationShots(const QDir& output, tavimor::UserPrompts& prompts) {
    tavimor::CMainDialog dialog(prompts, scratchFolders());
    dialog.show();
    if (!loadForm(dialog, kFormShots[2]) ||
        !saveModal(output, "question-before-sending.png", [&] { dialog.OnSubmit(); })) {
        return false;
    }
    auto record = tavimor::RegistrationStore::open(scratchFolders().registrations);
    if (!record) return false;
    const struct {
        const char* when;
        const char* code;
        const char* site;
        const char* url;
        bool passwordKept;
    } kKept[] = {
        {"2026-11-02T09:14:05+01:00", "48213", "Jane's Garden", "http://www.example.com/garden/",
         true},
        {"2026-11-20T17:40:51+01:00", "48977", "Garden Tools", "http://tools.example.com/", true},
        {"2026-12-01T11:03:27+01:00", "49120", "Jane's Recipes", "https://recipes.example.org/",
         false},
    };
    for (const auto& kept : kKept) {
        tavimor::SiteProfile form;
        form.user_name = "Jane Example";
        form.email = "jane@example.com";
        form.site_name = kept.site;
        form.site_URL = kept.url;
        tavimor::Registration registration = tavimor::makeRegistration(
            std::string("Your ID Code is : ") + kept.code, "registration.tavimor.example", form,
            std::chrono::system_clock::now());
        registration.keptAt = kept.when;
        const auto id = record.value().add(registration);
        if (!id || record.value().markPasswordKept(id.value(), kept.passwordKept)) return false;
    }
    return saveModal(output, "registrations-window.png", [&] { dialog.OnRegistrations(); });
}

// Some pages again in German, under the style the program started with, in
// a dialog of their own made once the program speaks German, with the
// first form of kFormShots loaded: the labels are German, the colour names
// stay as the service knows them. Saved as the page's own file with "-de"
// added to its name.
constexpr auto kGerman = "de";
constexpr int kGermanPages[] = {kContactInfoPage, kColorSchemePage};

bool saveGermanPages(const QDir& output, tavimor::UserPrompts& prompts, const QString& style,
                     const QPalette& palette) {
    QApplication::setStyle(style);
    QApplication::setPalette(palette);
    if (!tavimor::installTranslatorsFor(*qApp, QString::fromLatin1(kGerman))) {
        std::fprintf(stderr, "the program's German translation cannot be read\n");
        return false;
    }
    tavimor::CMainDialog dialog(prompts, scratchFolders());
    dialog.show();
    if (!loadForm(dialog, kFormShots[0])) return false;
    for (int page : kGermanPages) {
        tabBarOf(dialog)->setCurrentIndex(page);
        QApplication::processEvents();
        std::string file(tavimor::kTabPages[page].screenshotFile);
        file.insert(file.rfind(".png"), "-de");
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
    const QDir output(QDir(QFile::decodeName(argv[1])).absolutePath());
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create the folder %s\n", argv[1]);
        return 1;
    }
    // The profiles and recovery copies of the forms drawn here belong in a
    // scratch folder, not beside the screenshots or among the user's own.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) {
        std::fprintf(stderr, "cannot create a scratch folder\n");
        return 1;
    }

    QApplication::setWindowIcon(tavimor::applicationIcon());
    tavimor::MessageBoxPrompts prompts;
    const QString style = QApplication::style()->name();
    const QPalette palette = QApplication::palette();
    return savePages(output, prompts) && saveRegistrationShots(output, prompts) &&
                   saveDarkPages(output, prompts) &&
                   saveGermanPages(output, prompts, style, palette)
               ? 0
               : 1;
}
