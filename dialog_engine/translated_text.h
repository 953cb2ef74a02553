#pragma once

// Where the words the core produces for the user (messages, hints, field
// labels) are translated: the core marks them without knowing of Qt, and
// every place that shows one goes through translated().

#include <QString>

#include "profile/translatable_text.h"

namespace tavimor {

// `text` in the language of the translators installed, English when none
// has it: the text and every argument that is itself a text are translated
// in their contexts, data arguments are read as text as text.h reads
// the core's bytes, and all arguments are filled in at once, so that one
// holding "%1" (a file name, the service's reply) stays as it is.
QString translated(const TranslatableText& text);

}  // namespace tavimor
