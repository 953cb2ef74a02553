// The application's resources as the dialog gets them, compiled in: the
// pictures drawn by Qt's SVG renderer, the help parsed by its rich-text engine.

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "qt_test_support.h"

namespace tavimor {
namespace {

using testing_support::LogRecorder;

// Every picture in the resources, so none goes unchecked.
QStringList allPictures() {
    QStringList pictures;
    for (const char* root : {":/pictures", ":/icons"}) {
        QDirIterator it(QString::fromLatin1(root), QDir::Files);
        while (it.hasNext()) pictures << it.next();
    }
    return pictures;
}

// Qt's renderer reports what it cannot resolve (a fill naming a gradient
// that does not exist, say) as a warning and draws on without it. Each
// picture must give none, and be a real drawing at its own size and at the
// 16 pixels of a title bar: several colours covering a good part of the
// picture (a warning sign's triangle covers less than half).
TEST(Pictures, RenderWholeWithoutRendererWarnings) {
    const QStringList pictures = allPictures();
    EXPECT_EQ(pictures.size(), 5);
    for (const QString& path : pictures) {
        SCOPED_TRACE(path.toStdString());
        LogRecorder warnings("qt.svg");
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        for (const QSize size : {renderer.defaultSize(), QSize(16, 16)}) {
            QImage image(size, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            QSet<QRgb> colours;
            long opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    colours.insert(image.pixel(x, y));
                    opaque += qAlpha(image.pixel(x, y)) > 127;
                }
            }
            EXPECT_GE(colours.size(), 16) << "looks blank or flat at " << size.width();
            EXPECT_GE(3 * opaque, long(image.width()) * image.height()) << "mostly transparent";
        }
        EXPECT_EQ(warnings.lines, std::vector<QString>{});
    }
}

// The help window opens at the current tab's section, found by its id, so
// each tab needs a section under a heading that names it, explaining every
// field of the tab; the topics beyond the tabs likewise. Links stay inside
// the document: the help window is no web browser.
TEST(HelpDocument, ExplainsEveryTabAndTopicUnderItsIdAndLinksOnlyWithin) {
    // clang-format off
    const struct {
        const char* id;
        const char* heading;
        QStringList mentions;
    } kSections[] = {
        {"welcome", "Welcome", {"Next >>", "Cancel", "Help"}},
        {"screen-shot", "Screen Shot", {"logo", "result bar", "favorite links"}},
        {"contact-info", "Contact Info",
         {"Name", "Email", "Site Name", "URL", "Password (for future modifications)", "Type of Site",
          "Country Code (2 digit code)"}},
        {"your-logo", "Your Logo", {"IMAGE", "URL", "175 pixels wide by 60 pixels high"}},
        {"color-scheme", "Color Scheme",
         {"Background Color", "Link Text Color", "Visited Link Text Color", "Active Link Text Color",
          "Search Result Bar Color", "Search Result Bar Text Color"}},
        {"favorite-links", "Favorite Links", {"LINK 1", "LINK 4", "Title", "Url"}},
        {"target-search", "Target Search", {"All Categories", "Keyword", "Type of Site"}},
        {"profiles", "Saving and loading profiles", {"Save", "Load", ".dat", "Profiles", "asks before replacing"}},
        // The messages quoted exactly as the program shows them, two spaces and all.
        {"unsaved-work", "Closing, and work that was not saved",
         {"Save", "Discard", "Cancel", "recovery copy", "Restore"}},
        {"submit", "Submitting the form",
         {"Submit", "ID code", "Error Connecting....Please try again!",
          "There was an error.  Please check your data and try again.",
          "The submission was stopped.  The service may already have received the form."}},
    };
    // clang-format on
    QFile file(":/help/help.html");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the help is missing from the resources";
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));

    // Each heading with an anchor starts a section that runs to the next heading.
    QMap<QString, QString> headings, bodies;
    QStringList anchors, links;
    QString current;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const bool heading = block.blockFormat().headingLevel() > 0;
        if (heading) current.clear();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            anchors << format.anchorNames();
            if (heading && !format.anchorNames().isEmpty()) current = format.anchorNames().first();
            if (!format.anchorHref().isEmpty()) links << format.anchorHref();
        }
        if (heading) {
            headings[current] = block.text();
        } else if (!current.isEmpty()) {
            bodies[current] += block.text() + '\n';
        }
    }
    for (const auto& section : kSections) {
        SCOPED_TRACE(section.id);
        EXPECT_EQ(headings.value(section.id), section.heading);
        for (const QString& mention : section.mentions) {
            EXPECT_TRUE(bodies[section.id].contains(mention))
                << "does not mention \"" << mention.toStdString() << '"';
        }
    }
    for (const QString& link : links) {
        EXPECT_TRUE(link.startsWith('#') && anchors.contains(link.mid(1)))
            << link.toStdString() << " leads nowhere";
    }
}

}  // namespace
}  // namespace tavimor
