#pragma once

// A made-up language for layout tests, in which every text is about 40%
// longer than in English, its letters accented and its ends marked, so that a
// caption cut short, a text left untranslated or one pieced together from
// parts shows at once, before any translator has started.

#include <QString>
#include <QTranslator>

namespace tavimor::testing_support {

class PseudoTranslator final : public QTranslator {
public:
    // The marks at the two ends of every pseudo-translated text.
    static constexpr char16_t kStart = u'[';
    static constexpr char16_t kEnd = u']';

    using QTranslator::QTranslator;

    // `source` in the made-up language: about 40% more characters to show,
    // as padding shared among its words ("Save" -> "Sávésá"), vowels and a
    // few consonants accented, the whole between kStart and kEnd. Kept as
    // they are: the
    // placeholders %1 to %99, %n and %L1; a mnemonic "&" with its letter,
    // unaccented so that the same Alt key works; "&&"; line breaks; markup
    // tags and entities, with the marks inside the tags that open and close
    // a rich text, so that it is still taken for one; file patterns, with a
    // file dialog filter's "(*.dat)" after the end mark, where Qt looks for
    // it. Empty stays empty.
    static QString pseudo(const QString& source);

    // Every text of every context, except the key names of QShortcut, which
    // Qt parses key sequences with.
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace tavimor::testing_support
