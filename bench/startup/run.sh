#!/usr/bin/env bash
# Start-up time (launch to first paint of the main window) and resident memory after start
# of quendral beside the minimal one-window program, each run N times in turn under a virtual
# X display. Prints the medians and the ratios.
# Usage: bench/startup/run.sh [build-dir] [runs]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-20}"

if [[ -z "${QUENDRAL_STARTUP_UNDER_XVFB:-}" ]]; then
    QUENDRAL_STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

quendral="$build/src/app/quendral"
minimal="$build/bench/startup/startup-minimal-window"
declare -A times rss

# One launch: the milliseconds from just before the launch to the first paint, and the RSS.
measure() {
    local started line
    started=$(date +%s%N)
    line=$("$1" --startup-probe 2>/dev/null | grep '^first-paint')
    set -- $line
    echo "$(( ($2 - started) / 1000 )) $4"  # microseconds, KiB
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$quendral" --startup-probe >/dev/null 2>&1 || true  # warm the file cache for both
"$minimal" --startup-probe >/dev/null 2>&1 || true
for ((i = 0; i < runs; ++i)); do
    for program in quendral minimal; do
        [[ $program == quendral ]] && binary=$quendral || binary=$minimal
        read -r micros kib < <(measure "$binary")
        times[$program]+="$micros"$'\n'
        rss[$program]+="$kib"$'\n'
    done
done

q_time=$(printf '%s' "${times[quendral]}" | median)
m_time=$(printf '%s' "${times[minimal]}" | median)
q_rss=$(printf '%s' "${rss[quendral]}" | median)
m_rss=$(printf '%s' "${rss[minimal]}" | median)
awk -v qt="$q_time" -v mt="$m_time" -v qr="$q_rss" -v mr="$m_rss" -v n="$runs" 'BEGIN {
    printf "runs each: %d (medians)\n", n
    printf "%-16s %12s %12s\n", "", "start (ms)", "RSS (KiB)"
    printf "%-16s %12.1f %12d\n", "quendral", qt / 1000, qr
    printf "%-16s %12.1f %12d\n", "minimal window", mt / 1000, mr
    printf "%-16s %12.2f %12.2f\n", "ratio", qt / mt, qr / mr
}'
