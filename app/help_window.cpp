#include "app/help_window.h"

#include <QFile>
#include <QFontMetrics>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "app/help_document.h"
#include "dialog_engine/text.h"
#include "res/tab_pages.h"

namespace tavimor {
namespace {

constexpr auto kTopOfHelp = "top";

}  // namespace

QString helpSectionForPage(int page) {
    if (page < 0 || page >= kTabPageCount) return textFromBytes(kTopOfHelp);
    return textFromBytes(kTabPages[static_cast<std::size_t>(page)].helpSection);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    setWindowTitle(tr("Tavimor Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);

    // Links are followed here rather than by the browser, which would try to
    // open any address it is given as a document of its own and leave the
    // reader on an empty page.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);

    QFile document(helpDocumentPath());
    if (document.open(QIODevice::ReadOnly)) {
        const QByteArray html = document.readAll();
        browser_->setHtml(textFromBytes({html.constData(), static_cast<std::size_t>(html.size())}));
    } else {
        //: %1 is the system's words for the error.
        browser_->setPlainText(tr("The help could not be read from the program (%1). "
                                  "Reinstalling Tavimor should bring it back.")
                                   .arg(document.errorString()));
    }

    // Room for lines of comfortable reading length and a good part of a
    // section, measured in the window's own font.
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 36);
}

void HelpWindow::showSection(const QString& sectionId) {
    section_ = sectionId;
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    browser_->scrollToAnchor(sectionId);
}

void HelpWindow::placeBeside(const QWidget* other) {
    const QScreen* screen = other->screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QRect beside = other->frameGeometry();
    constexpr int kGap = 8;
    int x = beside.right() + 1 + kGap;
    if (x + width() > room.right() + 1) x = beside.left() - kGap - width();
    if (x < room.left()) return;
    const int lowest = std::max(room.top(), room.bottom() + 1 - height());
    const int y = std::clamp(beside.top(), room.top(), lowest);
    move(x, y);
}

void HelpWindow::followLink(const QUrl& link) {
    // Only the document's own sections are places to go.
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        section_ = link.fragment();
        browser_->scrollToAnchor(section_);
    }
}

}  // namespace tavimor
