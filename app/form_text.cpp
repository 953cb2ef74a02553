#include "app/form_text.h"

#include <array>

namespace tavimor {
namespace {

// Windows-1252 where it differs from Latin-1: bytes 0x80 to 0x9F. Its five
// unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls
// of the same value, as in the decoder web browsers use.
constexpr std::array<char16_t, 32> kWindows1252From80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Appends the UTF-8 sequence that starts at `at` to `text` and moves `at`
// past it; false when there is no valid sequence there (a stray
// continuation byte, a cut or overlong sequence, a surrogate, a value beyond
// U+10FFFF).
bool appendUtf8Sequence(std::string_view bytes, std::size_t& at, QString& text) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    int length;
    char32_t value;
    char32_t lowest;
    if (lead < 0x80) {
        text.append(QChar(lead));
        ++at;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, lowest = 0x10000;
    } else {
        return false;
    }
    if (bytes.size() - at < static_cast<std::size_t>(length)) return false;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    // Decoded here rather than by QString::fromUtf8, which drops a
    // byte-order mark at the start: here it stays a character like any other.
    if (QChar::requiresSurrogates(value)) {
        text.append(QChar(QChar::highSurrogate(value)));
        text.append(QChar(QChar::lowSurrogate(value)));
    } else {
        text.append(QChar(char16_t(value)));
    }
    at += static_cast<std::size_t>(length);
    return true;
}

QString fromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(QChar(value >= 0x80 && value < 0xA0 ? kWindows1252From80[value - 0x80]
                                                        : char16_t(value)));
    }
    return text;
}

}  // namespace

QString textFromBytes(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        if (!appendUtf8Sequence(bytes, at, text)) return fromWindows1252(bytes);
    }
    return text;
}

std::string bytesFromText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

std::string shownTextAsUtf8(std::string_view bytes) { return bytesFromText(textFromBytes(bytes)); }

void storeShownText(const QString& text, std::string& field) {
    if (textFromBytes(field) != text) field = bytesFromText(text);
}

}  // namespace tavimor
