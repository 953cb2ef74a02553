#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace tavimor {

// The id of the help section that explains the fields of tab page `page`
// (0 "Welcome" to 6 "Target Search"); the start of the help for any other
// number.
QString helpSectionForPage(int page);

// The application's own help: the help document compiled into the program,
// shown in a window of its own beside the main dialog. Nothing is fetched
// from outside the program, and no link leads out of the document.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front if it is open already,
    // with the section of the given id at the top.
    void showSection(const QString& sectionId);

    // Moves the window next to `other`, to its right or else to its left,
    // where the screen has room for it whole; otherwise the window manager
    // places it. Reading the help then hides none of the form.
    void placeBeside(const QWidget* other);

    // The section last asked for.
    const QString& currentSection() const { return section_; }

    QTextBrowser* browser() const { return browser_; }

private:
    void followLink(const QUrl& link);

    QTextBrowser* browser_;
    QString section_;
};

}  // namespace tavimor
