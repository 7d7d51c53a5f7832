#!/usr/bin/env bash
# Start-up time (launch to first paint of the main window) and resident memory after start
# of quendral beside the minimal one-window program, each run N times in turn under a virtual
# X display, with quendral's main window alone (no secondary windows) as a third line.
# Prints the medians and the ratios to the minimal program.
# Usage: bench/startup/run.sh [build-dir] [runs]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-20}"

if [[ -z "${QUENDRAL_STARTUP_UNDER_XVFB:-}" ]]; then
    QUENDRAL_STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

declare -A binaries=(
    [quendral]="$build/src/app/quendral"
    [minimal]="$build/bench/startup/startup-minimal-window"
    [mainonly]="$build/bench/startup/startup-main-window-only"
)
programs=(quendral minimal mainonly)
declare -A times rss

# One launch: the microseconds from just before the launch to the first paint, and the RSS.
measure() {
    local started line
    started=$(date +%s%N)
    line=$("$1" --startup-probe 2>/dev/null | grep '^first-paint')
    set -- $line
    echo "$(( ($2 - started) / 1000 )) $4"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for program in "${programs[@]}"; do  # warm the file cache for all
    "${binaries[$program]}" --startup-probe >/dev/null 2>&1 || true
done
for ((i = 0; i < runs; ++i)); do
    for program in "${programs[@]}"; do
        read -r micros kib < <(measure "${binaries[$program]}")
        times[$program]+="$micros"$'\n'
        rss[$program]+="$kib"$'\n'
    done
done

for program in "${programs[@]}"; do
    echo "$program $(printf '%s' "${times[$program]}" | median) $(printf '%s' "${rss[$program]}" | median)"
done | awk -v n="$runs" '
    { name[NR] = $1; t[NR] = $2; r[NR] = $3 }
    END {
        printf "runs each: %d (medians)\n", n
        printf "%-26s %11s %10s %11s %10s\n", "", "start (ms)", "ratio", "RSS (KiB)", "ratio"
        label["quendral"] = "quendral"; label["minimal"] = "minimal window"
        label["mainonly"] = "main window alone"
        for (i = 1; i <= NR; ++i) {
            printf "%-26s %11.1f %10.2f %11d %10.2f\n", label[name[i]], t[i] / 1000, t[i] / t[2], r[i], r[i] / r[2]
        }
    }'
