#!/usr/bin/env bash
# Times quendral-calc --jsonl over N generated sheets (default 100000) and prints sheets per
# second. The sheets vary thickness, span, loads, grades and coefficients, and include some
# that stop on a warning or an error.
#   bench/engine/batch_jsonl.sh build/src/cli/quendral-calc [N]
set -euo pipefail
calc="${1:?path to quendral-calc}"
count="${2:-100000}"
input="$(mktemp)"
output="$(mktemp)"
trap 'rm -f "$input" "$output"' EXIT

awk -v n="$count" 'BEGIN {
    split("C15 C20 C25 C30 C35 C40 C12", grades, " ");
    split("1/12 1/10 1/8 0.09", mid, " ");
    split("0 1/24 1/12 1/10", sup, " ");
    for (i = 0; i < n; i++) {
        printf "{\"Edit3\":\"%d\",\"Edit5\":\"%d\",\"Edit9\":\"%.1f\",\"ComboBox1\":\"%s\",", \
            60 + i % 120, 2400 + (i * 7) % 2400, 1.5 + (i % 5) * 0.5, grades[1 + i % 7];
        printf "\"ComboBox2\":\"%d\",\"ComboBox3\":\"%s\",\"ComboBox4\":\"%s\",\"TBBH\":\"TB-%d\"}\n", \
            1 + i % 3, mid[1 + i % 4], sup[1 + i % 4], i;
    }
}' > "$input"

start=$(date +%s.%N)
status=0
"$calc" --jsonl "$input" > "$output" || status=$?
end=$(date +%s.%N)
if [ "$status" -gt 1 ]; then
    echo "quendral-calc failed with status $status" >&2
    exit 1
fi
lines=$(wc -l < "$output")
awk -v n="$lines" -v s="$start" -v e="$end" \
    'BEGIN { t = e - s; printf "%d sheets in %.3f s: %.0f sheets/s\n", n, t, n / t }'
