#include "pseudo_translator.h"

#include <QRegularExpression>

#include <vector>

namespace tavimor::testing_support {
namespace {

QChar accented(QChar c) {
    static const QString plain = QStringLiteral("aeiouycnAEIOUYCN");
    static const QString marked = QStringLiteral("áéíóúýçñÁÉÍÓÚÝÇÑ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : marked[at];
}

// How much of `text` from `at` is one piece to keep as it is: a tag, an
// entity, a placeholder, "&&", a mnemonic with its letter or a file pattern
// ("*.dat"); 0 for none.
qsizetype keptLength(const QString& text, qsizetype at) {
    static const QRegularExpression kept(QStringLiteral(
        R"(<[^<>]*>|&(?:[A-Za-z]+|#[0-9]+|#[xX][0-9A-Fa-f]+);|%L?[0-9]{1,2}|%n|&&|&[^&\s]|)"
        R"(\*\.[A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = kept.match(text, at, QRegularExpression::NormalMatch,
                                                     QRegularExpression::AnchorAtOffsetMatchOption);
    return match.hasMatch() ? match.capturedLength() : 0;
}

// Ends a word with `extra` letters of padding, made of its own letters so
// that it is as wide as words of the language.
void pad(QString& out, const QString& word, qsizetype extra) {
    for (qsizetype i = 0; i < extra; ++i) out += accented(word[i % word.size()].toLower());
}

}  // namespace

QString PseudoTranslator::pseudo(const QString& source) {
    if (source.isEmpty()) return source;
    // The tags that open and close a rich text stay outside the marks, and
    // so do the patterns that end a file dialog's filter, "Files (*.dat)",
    // which Qt reads only at the very end of the text.
    static const QRegularExpression leadingTags(QStringLiteral(R"(^(?:\s*<[^<>]*>)+)"));
    static const QRegularExpression trailingTags(
        QStringLiteral(R"((?:<[^<>]*>\s*)+$|\s*\([^()]*\*[^()]*\)$)"));
    const qsizetype begin = leadingTags.match(source).capturedLength();
    const QRegularExpressionMatch trailing = trailingTags.match(source, begin);
    const qsizetype end = trailing.hasMatch() ? trailing.capturedStart() : source.size();

    // The text in pieces: letters, pieces kept as they are, anything else a
    // character each. Counted as they show: a tag not at all, an entity,
    // "&&" or a mnemonic with its letter as one character.
    enum class Kind { Letter, Mnemonic, Kept, Other };
    struct Piece {
        QStringView text;
        Kind kind;
    };
    std::vector<Piece> pieces;
    qsizetype shown = 0;
    qsizetype letters = 0;
    for (qsizetype at = begin; at < end;) {
        const QStringView rest = QStringView(source).mid(at, end - at);
        if (const qsizetype kept = keptLength(source, at); kept > 0 && kept <= rest.size()) {
            const QStringView piece = rest.left(kept);
            const bool mnemonic = kept == 2 && piece[0] == u'&' && piece[1].isLetter();
            pieces.push_back({piece, mnemonic ? Kind::Mnemonic : Kind::Kept});
            shown += piece[0] == u'<' ? 0 : piece[0] == u'&' ? 1 : kept;
            letters += mnemonic;
            at += kept;
        } else {
            const bool letter = rest[0].isLetter();
            pieces.push_back({rest.left(1), letter ? Kind::Letter : Kind::Other});
            ++shown;
            letters += letter;
            ++at;
        }
    }

    // About 40% more to show, shared among the words by their letters.
    const qsizetype extra = (shown * 2 + 4) / 5;
    QString out = source.left(begin) + kStart;
    QString word;
    const auto endWord = [&] {
        if (word.isEmpty()) return;
        pad(out, word, (word.size() * extra + letters - 1) / letters);
        word.clear();
    };
    for (const Piece& piece : pieces) {
        switch (piece.kind) {
        case Kind::Letter:
            word += piece.text[0];
            out += accented(piece.text[0]);
            break;
        case Kind::Mnemonic:
            word += piece.text[1];
            out += piece.text;
            break;
        case Kind::Kept:
        case Kind::Other:
            endWord();
            out += piece.text;
            break;
        }
    }
    endWord();
    // A text without letters ("%1", ">>") grows all the same.
    if (letters == 0) out += QString(extra, u'~');
    return out + kEnd + source.mid(end);
}

QString PseudoTranslator::translate(const char* context, const char* sourceText,
                                    const char* /*disambiguation*/, int /*n*/) const {
    if (qstrcmp(context, "QShortcut") == 0) return {};
    return pseudo(QString::fromUtf8(sourceText));
}

}  // namespace tavimor::testing_support
