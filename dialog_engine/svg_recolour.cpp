#include "dialog_engine/svg_recolour.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace tavimor {
namespace {

const QString* colourOf(QStringView classes, const ClassColours& colours) {
    for (QStringView name : classes.split(u' ', Qt::SkipEmptyParts)) {
        for (const ClassColour& entry : colours) {
            if (name == entry.className) return &entry.colour;
        }
    }
    return nullptr;
}

// What the renderer paints; everything else only groups, defines or holds text.
bool isShape(QStringView element) {
    for (const char16_t* shape : {u"rect", u"circle", u"ellipse", u"line", u"polyline", u"polygon",
                                  u"path", u"text", u"use", u"image"}) {
        if (element == shape) return true;
    }
    return false;
}

// Elements, namespace declarations and attributes are copied by their
// qualified names: the writer's own namespace handling would invent prefixes
// ("n1:svg") for the default namespace, which the SVG renderer need not read.
void writeStartElement(const QXmlStreamReader& reader, const QString* colour,
                       QXmlStreamWriter& writer) {
    writer.writeStartElement(reader.qualifiedName().toString());
    for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
        const QString prefix = declaration.prefix().toString();
        writer.writeAttribute(prefix.isEmpty() ? QStringLiteral("xmlns") : "xmlns:" + prefix,
                              declaration.namespaceUri().toString());
    }
    for (const QXmlStreamAttribute& attribute : reader.attributes()) {
        const bool painted = (attribute.name() == u"fill" || attribute.name() == u"stroke") &&
                             attribute.value() != u"none";
        writer.writeAttribute(attribute.qualifiedName().toString(),
                              colour && painted ? *colour : attribute.value().toString());
    }
}

struct OpenElement {
    bool marked;  // carries a class, or sits inside an element that does
    bool definitions;
};

}  // namespace

QByteArray recolourSvg(const QByteArray& svg, const ClassColours& colours, SvgPart part) {
    QByteArray recoloured;
    recoloured.reserve(svg.size());
    QXmlStreamReader reader(svg);
    QXmlStreamWriter writer(&recoloured);
    std::vector<OpenElement> open;
    bool pastFirstMarked = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            writer.writeStartDocument();
            break;
        case QXmlStreamReader::StartElement: {
            const QString* colour =
                colourOf(reader.attributes().value(QLatin1StringView("class")), colours);
            const OpenElement outer = open.empty() ? OpenElement{false, false} : open.back();
            const OpenElement element{outer.marked || colour,
                                      outer.definitions || reader.name() == u"defs"};
            pastFirstMarked = pastFirstMarked || element.marked;
            if (part != SvgPart::Whole && !element.definitions && isShape(reader.name())) {
                const SvgPart shapePart = element.marked    ? SvgPart::Marked
                                          : pastFirstMarked ? SvgPart::AboveMarked
                                                            : SvgPart::BelowMarked;
                if (shapePart != part) {
                    reader.skipCurrentElement();
                    break;
                }
            }
            open.push_back(element);
            writeStartElement(reader, colour, writer);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.pop_back();
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            writer.writeCharacters(reader.text().toString());
            break;
        default:  // comments and the like: nothing the renderer draws
            break;
        }
    }
    if (reader.hasError()) return {};
    writer.writeEndDocument();
    return recoloured;
}

}  // namespace tavimor
