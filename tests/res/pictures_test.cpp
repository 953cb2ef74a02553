// The pictures and the icon as the dialog gets them: from the compiled-in
// resources, drawn by QSvgRenderer at the size of the control that shows them.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <memory>
#include <ostream>
#include <vector>

#include "qt_test_support.h"

namespace tavimor {
namespace {

using testing_support::LogRecorder;

struct Picture {
    const char* resource;
    QSize controlSize;
};

void PrintTo(const Picture& picture, std::ostream* out) {
    *out << picture.resource << " at " << picture.controlSize.width() << "x"
         << picture.controlSize.height();
}

// Every rendering the application asks for. The icon is shown at two sizes:
// 32 x 32 for the window and 16 x 16 in title bars and task lists.
const std::vector<Picture> kPictures = {
    {":/pictures/welcome-mouse.svg", {130, 252}},
    {":/pictures/title-banner.svg", {184, 46}},
    {":/pictures/results-page.svg", {320, 255}},
    {":/icons/tavimor.svg", {32, 32}},
    {":/icons/tavimor.svg", {16, 16}},
};

class PictureTest : public testing::TestWithParam<Picture> {};

// Qt's renderer draws the SVG Tiny subset and silently skips anything else
// (filters, masks, clip paths, patterns, embedded style sheets), so a picture
// using them would look right in an SVG editor and wrong in the dialog.
TEST_P(PictureTest, UsesOnlyWhatTheRendererDraws) {
    static const QSet<QString> kDrawn = {
        "svg", "defs", "g", "title", "desc", "linearGradient", "radialGradient", "stop",
        "rect", "circle", "ellipse", "line", "polyline", "polygon", "path", "text", "tspan", "use",
    };
    static const QStringList kSkippedAttributes = {"filter", "clip-path", "mask", "style"};

    QFile file(QString::fromLatin1(GetParam().resource));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << GetParam().resource;
    QXmlStreamReader xml(&file);
    QStringList skipped;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString element = xml.name().toString();
        if (!kDrawn.contains(element)) skipped << element;
        for (const QString& attribute : kSkippedAttributes) {
            if (xml.attributes().hasAttribute(attribute)) skipped << element + "@" + attribute;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(skipped, QStringList{});
}

// The renderer reports what it cannot resolve (a fill naming a gradient that
// does not exist, say) as a warning and draws on without it; so its warnings
// count as failures here.
TEST_P(PictureTest, LoadsAndRendersWithoutRendererWarnings) {
    const Picture& picture = GetParam();
    LogRecorder messages("qt.svg");

    QSvgRenderer renderer(QString::fromLatin1(picture.resource));
    ASSERT_TRUE(renderer.isValid()) << picture.resource;

    QImage image(picture.controlSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();

    EXPECT_EQ(messages.lines, std::vector<QString>{});

    // A real drawing, not an empty or single-coloured box: anti-aliased
    // shapes in several colours that cover most of the control.
    QSet<QRgb> colours;
    long opaque = 0;  // pixels with alpha above half
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
            opaque += qAlpha(image.pixel(x, y)) > 127;
        }
    }
    EXPECT_GE(colours.size(), 16) << "looks blank or flat";
    EXPECT_GE(2 * opaque, long(image.width()) * image.height()) << "mostly transparent";
}

INSTANTIATE_TEST_SUITE_P(Resources, PictureTest, testing::ValuesIn(kPictures));

// The table above is what the rendering test walks, so a picture added to the
// resources without an entry there would never be checked.
TEST(PictureResources, EveryPictureIsChecked) {
    QStringList unchecked;
    for (const char* root : {":/pictures", ":/icons"}) {
        QDirIterator it(QString::fromLatin1(root), QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (it.fileInfo().isDir()) continue;
            bool listed = false;
            for (const Picture& picture : kPictures) {
                listed = listed || path == QString::fromLatin1(picture.resource);
            }
            if (!listed) unchecked << path;
        }
    }
    EXPECT_EQ(unchecked, QStringList{});
}

}  // namespace
}  // namespace tavimor
