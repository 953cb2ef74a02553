// The recolouring of the pictures' shapes, on which the previews stand.
#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <utility>

#include "dialog_engine/svg_recolour.h"

namespace tavimor {
namespace {

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
