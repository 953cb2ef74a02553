// bench_app_start: the program started as app/main.cpp starts it, with the
// probe that reports when its window is shown, for startup_compare.sh to
// measure beside bench_empty_dialog. The program users run carries no probe.
#include "app/main_app.h"
#include "startup_probe.h"

int main(int argc, char** argv) {
    return tavimor::runProgram(argc, argv, [] { tavimor::installStartupProbeIfAsked(); });
}
