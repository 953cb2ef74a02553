#!/usr/bin/env bash
# Start-up and idle memory of the application (bench_app_start: the program's
# own start with the probe) beside an empty Qt dialog with the same tab labels
# and buttons (bench_empty_dialog), both from the same build. Each program is started RUNS times, the two taking turns, with
# TAVIMOR_STARTUP_PROBE set: it reports when its first window has been
# painted and its resident memory after half a second of idling, then quits.
# Prints the medians and the application's ratios to the empty dialog.
#
#   bench/startup_compare.sh [BUILD_DIR] [RUNS]     (defaults: build, 15)
#
# Without a display it uses Qt's offscreen platform; QT_QPA_PLATFORM=xcb
# under Xvfb measures a real X11 window instead.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
app="$build/bench/bench_app_start"
empty="$build/bench/bench_empty_dialog"
for program in "$app" "$empty"; do
    [[ -x "$program" ]] || { echo "not built: $program" >&2; exit 1; }
done
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export TAVIMOR_STARTUP_PROBE=1

# The application makes its Profiles folder where it starts, and looks for
# recovery copies in its data folder: both in a scratch folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
export XDG_DATA_HOME="$scratch/data"

# One run: "<microseconds from start to first window> <resident kB>".
measure() {
    local start report shown
    start=$(date +%s%N)
    report=$("$1" 2>&1 >/dev/null | grep '^startup-probe:' || true)
    [[ -n "$report" ]] || { echo "$1 reported nothing" >&2; exit 1; }
    shown=${report#*shown-ns=}
    shown=${shown%% *}
    echo "$(( (shown - start) / 1000 )) ${report#*rss-kb=}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure "$app" >/dev/null   # warms the page cache for both
measure "$empty" >/dev/null
: >"$scratch/app" ; : >"$scratch/empty"
for ((i = 0; i < runs; ++i)); do
    measure "$app" >>"$scratch/app"
    measure "$empty" >>"$scratch/empty"
done

app_us=$(cut -d' ' -f1 "$scratch/app" | median)
app_kb=$(cut -d' ' -f2 "$scratch/app" | median)
empty_us=$(cut -d' ' -f1 "$scratch/empty" | median)
empty_kb=$(cut -d' ' -f2 "$scratch/empty" | median)
echo "platform $QT_QPA_PLATFORM, $runs runs each, medians"
printf '%-14s %10s %10s\n' "" "start ms" "idle MB"
awk -v us="$empty_us" -v kb="$empty_kb" 'BEGIN { printf "%-14s %10.1f %10.1f\n", "empty dialog", us / 1000, kb / 1024 }'
awk -v us="$app_us" -v kb="$app_kb" 'BEGIN { printf "%-14s %10.1f %10.1f\n", "tavimor", us / 1000, kb / 1024 }'
awk -v a="$app_us" -v e="$empty_us" -v ak="$app_kb" -v ek="$empty_kb" \
    'BEGIN { printf "%-14s %9.2fx %9.2fx\n", "ratio", a / e, ak / ek }'
