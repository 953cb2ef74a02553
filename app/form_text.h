#pragma once

// The one crossing between the bytes the core keeps (the record's fields, the
// service's reply) and the text Qt shows. The record holds whatever bytes a
// profile file brought, which on the systems such files come from is text in
// the Windows-1252 code page, and what this program itself stores, UTF-8.
//
// Policy:
// - Bytes that are valid UTF-8 are read as UTF-8. Anything else is read as
//   Windows-1252, its five unassigned bytes as the C1 control characters of
//   the same value, so every byte sequence reads as some text and nothing is
//   replaced by U+FFFD.
// - Text goes back as UTF-8, except that a field whose control still shows
//   exactly what its bytes were read as keeps those bytes: a profile loaded
//   and saved unedited is written back byte for byte.

#include <QString>

#include <string>
#include <string_view>

namespace tavimor {

// The text that `bytes` stand for, by the policy above.
QString textFromBytes(std::string_view bytes);

// `text` as UTF-8.
std::string bytesFromText(const QString& text);

// What goes out to the service for a field holding `bytes`: the text it
// reads as, in UTF-8, so that one request never mixes two charsets.
std::string shownTextAsUtf8(std::string_view bytes);

// Stores the text a control shows into a record field that holds `field`
// now: unchanged when the control shows what `field` reads as, else `text`
// as UTF-8.
void storeShownText(const QString& text, std::string& field);

}  // namespace tavimor
