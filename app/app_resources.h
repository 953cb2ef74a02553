#pragma once

namespace tavimor {

// Makes the pictures, the icon and the help document reachable under ":/".
// They are compiled into the static UI library, whose linker would otherwise
// be free to leave them out of a program that never names them; every user of
// a ":/" path calls this first. Cheap after the first call.
void registerResources();

}  // namespace tavimor
