// The template's pictures: drawn once and shared, and their shapes
// recoloured, on which the previews stand.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <utility>

#include "dialog_engine/picture_control.h"
#include "dialog_engine/svg_recolour.h"
#include "dialog_engine/text.h"
#include "res/colour_roles.h"

namespace tavimor {
namespace {

// A picture in its own colours is drawn once for every control of its size,
// in this dialog or a later one; a control that recolours the picture, or
// one of another size, draws its own.
TEST(PictureControl, SharesADrawingOnlyWhereItLooksTheSame) {
    const auto drawn = [](QSize size, const ClassColours& colours = {}) {
        PictureControl picture(PictureId::ResultsPage);
        picture.resize(size);
        if (!colours.empty()) picture.setClassColours(colours);
        return picture.grab().toImage();
    };
    const QImage whole = drawn({320, 255});
    EXPECT_TRUE(drawn({320, 255}, {{textFromBytes(kColourRoles[0].pictureClass), "#FF0000"}}) !=
                whole);
    // In a wider control the picture reaches past the width drawn first.
    const QImage beyond = drawn({480, 383}).copy(330, 0, 150, 383);
    QImage plain(beyond.size(), beyond.format());
    plain.fill(beyond.pixel(0, 0));
    EXPECT_TRUE(beyond != plain);
}

// The marked shapes, and what they hold, take the colour of their class in
// fill and stroke alike; what they leave unpainted stays so.
TEST(SvgRecolour, PaintsTheMarkedShapesFillAndStroke) {
    const QByteArray svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg"><g class="link-text" fill="#000000" stroke="#000000"><text stroke="none">a</text><line fill="none"/></g><rect fill="#111111"/></svg>)";
    EXPECT_EQ(QString(recolourSvg(svg, {{"link-text", "#FF0000"}})).count("#FF0000"), 2);
    EXPECT_TRUE(recolourSvg(svg, {{"link-text", "#FF0000"}}).contains(R"(<rect fill="#111111"/>)"));
}

// Every kind of shape the renderer paints goes into the part it lies in, and
// only there; what holds or defines shapes goes with every part.
TEST(SvgRecolour, SortsEveryKindOfShapeIntoItsPart) {
    for (const QByteArray shape : {"rect", "circle", "ellipse", "line", "polyline", "polygon",
                                   "path", "text", "use", "image"}) {
        const QByteArray svg =
            R"(<svg xmlns="http://www.w3.org/2000/svg"><defs><linearGradient id="g"/></defs><)" +
            shape + R"( id="below"/><g class="link-text"><)" + shape + R"( id="marked"/></g><)" +
            shape + R"( id="above"/></svg>)";
        for (const auto& [part, id] : {std::pair{SvgPart::BelowMarked, "below"},
                                       {SvgPart::Marked, "marked"},
                                       {SvgPart::AboveMarked, "above"}}) {
            const QString drawn = recolourSvg(svg, {{"link-text", "#FF0000"}}, part);
            EXPECT_TRUE(drawn.count("id=") == 2 && drawn.contains(QString(R"(id="%1")").arg(id)) &&
                        drawn.contains("<linearGradient"))
                << shape.data() << " in the part of " << id << ": " << drawn.toStdString();
        }
    }
}

}  // namespace
}  // namespace tavimor
