#pragma once

// The one crossing between bytes and the text Qt shows, for every kind of
// bytes the program has: the record's fields and the service's reply, the
// texts compiled into res/, the messages of the core, and file names.
//
// Policy for text:
// - Bytes that are valid UTF-8 are read as UTF-8. Anything else is read as
//   Windows-1252, its five unassigned bytes as the C1 control characters of
//   the same value, so every byte sequence reads as some text and nothing is
//   replaced by U+FFFD. Profile files written on the systems such files come
//   from hold Windows-1252; this program itself writes UTF-8.
// - Text goes back as UTF-8, except that a field whose control still shows
//   exactly what its bytes were read as keeps those bytes: a profile loaded
//   and saved unedited is written back byte for byte.
//
// File names are not text but the file system's bytes; they cross by Qt's
// own file-name encoding, so any name the system gives can be opened again.

#include <QString>

#include <filesystem>
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

// A file name from Qt as the path the core opens, and back.
std::filesystem::path pathFromText(const QString& file);
QString textFromPath(const std::filesystem::path& path);

}  // namespace tavimor
