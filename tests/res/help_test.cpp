// The help document as the help window shows it: parsed by Qt's rich-text
// engine from the compiled-in resources.

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <vector>

#include "qt_test_support.h"

namespace tavimor {
namespace {

struct Section {
    const char* id;       // what the help window scrolls to
    const char* heading;  // the tab label, or the topic
    QStringList fields;   // labels of the fields the section must explain
};

const std::vector<Section> kSections = {
    {"welcome", "Welcome", {"Next >>", "Cancel", "Help"}},
    {"screen-shot", "Screen Shot", {"logo", "result bar", "favorite links"}},
    {"contact-info",
     "Contact Info",
     {"Name", "Email", "Site Name", "URL", "Password (for future modifications)", "Type of Site",
      "Country Code (2 digit code)"}},
    {"your-logo", "Your Logo", {"IMAGE", "URL", "175 pixels wide by 60 pixels high"}},
    {"color-scheme",
     "Color Scheme",
     {"Background Color", "Link Text Color", "Visited Link Text Color", "Active Link Text Color",
      "Search Result Bar Color", "Search Result Bar Text Color"}},
    {"favorite-links", "Favorite Links", {"LINK 1", "LINK 4", "Title", "Url"}},
    {"target-search", "Target Search", {"All Categories", "Keyword", "Type of Site"}},
    {"profiles", "Saving and loading profiles", {"Save", "Load", ".dat", "Profiles", "asks before replacing"}},
    // The messages quoted exactly as the program shows them, two spaces and all.
    {"submit",
     "Submitting the form",
     {"Submit", "ID code", "Error Connecting....Please try again!",
      "There was an error.  Please check your data and try again."}},
};

QString readHelp() {
    QFile file(":/help/help.html");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

class HelpDocumentTest : public testing::Test {
protected:
    void SetUp() override {
        const QString html = readHelp();
        ASSERT_FALSE(html.isEmpty()) << "the help is missing from the resources";
        document_.setHtml(html);
        collectSections();
    }

    // Splits the document at its headings: each heading that carries an
    // anchor starts a section that runs to the next heading.
    void collectSections() {
        QString current;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() > 0) {
                current.clear();
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QStringList names = it.fragment().charFormat().anchorNames();
                    if (!names.isEmpty()) current = names.first();
                }
                if (!current.isEmpty()) headings_[current] = block.text();
                continue;
            }
            if (!current.isEmpty()) bodies_[current] += block.text() + QLatin1Char('\n');
        }
    }

    QTextDocument document_;
    QMap<QString, QString> headings_;
    QMap<QString, QString> bodies_;
};

// The help window opens at the section of the current tab, found by its id,
// so each tab needs a section under a heading that names the tab, and the
// section must explain every field of that tab.
TEST_F(HelpDocumentTest, EveryTabAndTopicHasASectionExplainingItsFields) {
    for (const Section& section : kSections) {
        SCOPED_TRACE(section.id);
        const QString id = QString::fromLatin1(section.id);
        ASSERT_TRUE(headings_.contains(id)) << "no heading with this id";
        EXPECT_EQ(headings_[id], QString::fromLatin1(section.heading));
        const QString body = bodies_[id];
        EXPECT_GE(body.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 40)
            << "too short to explain anything";
        for (const QString& field : section.fields) {
            EXPECT_TRUE(body.contains(field)) << "does not mention \"" << field.toStdString() << '"';
        }
    }
}

// The help window is no web browser: a link that leaves the document, or a
// picture it cannot find in the resources, would show as a dead end.
TEST_F(HelpDocumentTest, LinksAndPicturesStayInsideTheApplication) {
    QSet<QString> anchors;
    QStringList targets;
    QStringList images;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) anchors.insert(name);
            if (!format.anchorHref().isEmpty()) targets << format.anchorHref();
            if (format.isImageFormat()) images << format.toImageFormat().name();
        }
    }
    EXPECT_GE(targets.size(), int(kSections.size())) << "the contents list is gone";
    for (const QString& target : targets) {
        EXPECT_TRUE(target.startsWith(QLatin1Char('#')) && anchors.contains(target.mid(1)))
            << "link to " << target.toStdString() << " leads nowhere";
    }
    for (const QString& image : images) {
        const QString path = image.startsWith(QLatin1String("qrc:")) ? image.mid(3) : image;
        EXPECT_TRUE(path.startsWith(QLatin1String(":/")) && QFile::exists(path))
            << "picture " << image.toStdString() << " is not in the resources";
    }
}

}  // namespace
}  // namespace tavimor
