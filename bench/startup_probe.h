#pragma once

namespace tavimor {

// For measuring start-up and idle memory against a bare Qt dialog
// (bench/startup_compare.sh). When the environment variable
// TAVIMOR_STARTUP_PROBE is set, the program notes when its first window has
// been painted, idles for half a second, prints one line to stderr,
//   startup-probe: shown-ns=<wall clock, ns since the epoch> rss-kb=<resident memory>
// and ends its event loops. Otherwise it does nothing. Call it once the
// application object exists.
void installStartupProbeIfAsked();

}  // namespace tavimor
