#include "dialog_engine/text.h"

#include <QFile>
#include <QStringDecoder>

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
    // Stateless: a sequence cut at the end is an error, not something to
    // wait for. ConvertInitialBom: a byte-order mark at the start stays a
    // character like any other, so it survives a load and save unedited.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    return fromWindows1252(bytes);
}

std::string bytesFromText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

std::string shownTextAsUtf8(std::string_view bytes) { return bytesFromText(textFromBytes(bytes)); }

void storeShownText(const QString& text, std::string& field) {
    if (textFromBytes(field) != text) field = bytesFromText(text);
}

std::filesystem::path pathFromText(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    return std::filesystem::path(
        std::string(name.constData(), static_cast<std::size_t>(name.size())));
}

QString textFromPath(const std::filesystem::path& path) {
    const std::string& name = path.native();
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace tavimor
