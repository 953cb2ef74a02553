#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace tavimor {

// The colour that the elements of a drawing marked with `className` take.
struct ClassColour {
    QString className;
    QString colour;  // an SVG colour, such as "#236B8E"

    friend bool operator==(const ClassColour&, const ClassColour&) = default;
};
using ClassColours = std::vector<ClassColour>;

// Which shapes of a drawing to keep. A shape is marked when it, or a group it
// sits in, carries one of the classes. Drawn in the order BelowMarked, Marked,
// AboveMarked, the three parts give the whole drawing, provided no unmarked
// shape after the first marked one lies beneath a later marked one. So a
// change of colour needs only the marked part drawn again.
enum class SvgPart {
    Whole,
    BelowMarked,  // the unmarked shapes before the first marked element
    Marked,
    AboveMarked,  // the unmarked shapes after it
};

// `part` of `svg`, with the fill and stroke of every element that carries
// one of the classes replaced by that class's colour; what such an element
// leaves unpainted ("none") stays so, and its children inherit the new colour
// unless they set their own. Groups, definitions (gradients) and everything
// else the kept shapes need stay as they were. Empty when `svg` is not
// well-formed XML.
QByteArray recolourSvg(const QByteArray& svg, const ClassColours& colours,
                       SvgPart part = SvgPart::Whole);

}  // namespace tavimor
