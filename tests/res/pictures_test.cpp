// The pictures and the icon as the dialog gets them: from the compiled-in
// resources, drawn by Qt's SVG renderer.

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "app/app_resources.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using testing_support::LogRecorder;

// Every picture in the resources, so none goes unchecked.
QStringList allPictures() {
    registerResources();
    QStringList pictures;
    for (const char* root : {":/pictures", ":/icons"}) {
        QDirIterator it(QString::fromLatin1(root), QDir::Files);
        while (it.hasNext()) pictures << it.next();
    }
    return pictures;
}

// Qt's renderer draws the SVG Tiny subset and silently skips anything else
// (filters, masks, clip paths, patterns, style sheets), so a picture using
// them would look right in an SVG editor and wrong in the dialog; and it
// reports what it cannot resolve as a warning and draws on without it. Each
// picture must use neither, and be a real drawing at its own size and at the
// 16 pixels of a title bar: several colours covering most of the picture.
TEST(Pictures, UseOnlyWhatTheRendererDrawsAndRenderWhole) {
    static const QSet<QString> kDrawn = {
        "svg",  "defs",    "g",    "title",   "desc",     "linearGradient", "radialGradient", "stop", "rect",
        "circle", "ellipse", "line", "polyline", "polygon", "path",           "text",           "tspan", "use"};
    const QStringList pictures = allPictures();
    EXPECT_EQ(pictures.size(), 4);
    for (const QString& path : pictures) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList skipped;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (!kDrawn.contains(xml.name().toString())) skipped << xml.name().toString();
            for (const char* attribute : {"filter", "clip-path", "mask", "style"}) {
                if (xml.attributes().hasAttribute(attribute)) skipped << attribute;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(skipped, QStringList{});

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
            EXPECT_GE(2 * opaque, long(image.width()) * image.height()) << "mostly transparent";
        }
        EXPECT_EQ(warnings.lines, std::vector<QString>{});
    }
}

}  // namespace
}  // namespace tavimor
