// The application's resources as the dialog gets them, compiled in: the
// pictures drawn by Qt's SVG renderer, the help parsed by its rich-text engine.

#include <QDirIterator>
#include <QFile>
#include <QImage>
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

// Links stay inside the document: the help window is no web browser. (That
// each page's section is found, under a heading that names the page: the help
// window's own test.)
TEST(HelpDocument, LinksOnlyWithin) {
    QFile file(":/help/help.html");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the help is missing from the resources";
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    QStringList anchors, links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            anchors << format.anchorNames();
            if (!format.anchorHref().isEmpty()) links << format.anchorHref();
        }
    }
    for (const QString& link : links) {
        EXPECT_TRUE(link.startsWith('#') && anchors.contains(link.mid(1)))
            << link.toStdString() << " leads nowhere";
    }
}

}  // namespace
}  // namespace tavimor
