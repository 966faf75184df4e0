#!/usr/bin/env bash
# Speed against peers: the full cash-flow report over all categories, built by
# bench/tools/coinwick_report as one process, against `ledger bal` and
# `hledger bal` over the same generated year, for the whole year and for the
# first quarter.
#
#   bench/peers.sh [N ...]          (default: 10000 100000 1000000)
#
# Environment: BUILD (build folder, default build), TIMEOUT (seconds per run,
# default 300), REPEAT (runs of a short command, the fastest kept; default 5).
#
# Each run is timed as a whole process by bench/tools/coinwick_timed, which
# starts it directly and takes its wall time (a nanosecond clock around fork
# and wait), its processor time and its peak memory (from wait4), so no
# wrapper's own start-up is counted. A command that ends within 2 seconds is
# run REPEAT times and its fastest run kept; longer ones run once. The last
# column compares processor time (user + system), which a busy machine skews
# less than wall time.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=${BUILD:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
limit=${TIMEOUT:-300}
repeat=${REPEAT:-5}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000 1000000)

# --- tools -------------------------------------------------------------------
need=()
command -v ledger >/dev/null || need+=(ledger)
command -v hledger >/dev/null || need+=(hledger)
if [ ${#need[@]} -gt 0 ]; then
    echo "installing ${need[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y "${need[@]}" >/dev/null 2>&1 ||
        { apt-get update >/dev/null && apt-get install -y "${need[@]}" >/dev/null; }
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 --target coinwick_report coinwick_genyear coinwick_timed >/dev/null
report=$(find "$build" -maxdepth 2 -type f -name coinwick_report -perm -u+x | head -n 1)
genyear=$(find "$build" -maxdepth 2 -type f -name coinwick_genyear -perm -u+x | head -n 1)
timed=$(find "$build" -maxdepth 2 -type f -name coinwick_timed -perm -u+x | head -n 1)
if [ -z "$report" ] || [ -z "$genyear" ] || [ -z "$timed" ]; then
    echo "coinwick_report / coinwick_genyear / coinwick_timed not built in $build" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run OUT CMD...: runs CMD (output to OUT) as one timed process; sets `secs`
# (wall seconds, or "timeout"), `cpu` (processor seconds of the same run) and
# `mb` (peak resident megabytes), all of that process alone.
run() {
    local out=$1 best="" best_kb=0 best_cpu=0 i ns cpu_us kb status
    shift
    for ((i = 0; i < repeat; i++)); do
        read -r ns cpu_us kb status < <("$timed" "$limit" "$out" "$@" 2>"$work/err.txt")
        if [ "$status" = timeout ]; then
            secs=timeout
            cpu=timeout
            mb=-
            return
        fi
        if [ "$status" != 0 ]; then
            echo "failed ($status): $*" >&2
            cat "$work/err.txt" >&2
            exit 1
        fi
        if [ -z "$best" ] || [ "$ns" -lt "$best" ]; then
            best=$ns
            best_kb=$kb
            best_cpu=$cpu_us
        fi
        [ "$ns" -lt 2000000000 ] || break
    done
    secs=$(awk -v ns="$best" 'BEGIN {printf "%.4f", ns / 1e9}')
    cpu=$(awk -v us="$best_cpu" 'BEGIN {printf "%.4f", us / 1e6}')
    mb=$(awk -v kb="$best_kb" 'BEGIN {printf "%.1f", kb / 1024}')
}

# Our total line ("Total Expense   $1,234.50") against ledger's account total
# ("$1234.5000  expenses"): equal to the cent.
check_totals() {
    local ours=$1 theirs=$2 label=$3 account=$4 a b
    a=$(awk -v l="$label" 'index($0, l) == 1 {s = substr($0, length(l) + 1); gsub(/[$, ]/, "", s); print s}' "$ours")
    b=$(awk -v acc="$account" '$2 == acc {s = $1; gsub(/[$,]/, "", s); print s}' "$theirs")
    awk -v a="$a" -v b="$b" 'BEGIN {if (b < 0) b = -b; d = a - b; exit !(a != "" && b != "" && d < 0.006 && d > -0.006)}' ||
        { echo "totals differ: $label ours=$a ledger=$b" >&2; exit 1; }
}

# faster_ratio OURS LEDGER HLEDGER: the faster peer's figure over ours.
faster_ratio() {
    awk -v o="$1" -v l="$2" -v h="$3" -v t="$limit" 'BEGIN {
        peer = ""
        if (l != "timeout") peer = l
        if (h != "timeout" && (peer == "" || h + 0 < peer + 0)) peer = h
        if (o + 0 <= 0) print "-"
        else if (peer == "") printf ">%.0fx", t / o
        else printf "%.1fx", peer / o
    }'
}

printf '%-9s %-7s %9s %8s  %9s %8s  %9s %8s  %10s %10s\n' \
    N period "ours s" "MB" "ledger s" "MB" "hledger s" "MB" "peer/ours" "cpu ratio"
for n in "${sizes[@]}"; do
    data=$work/year-$n
    "$genyear" "$data" "$n"
    for period in year quarter; do
        if [ "$period" = year ]; then
            months=(1 12)
            range=()
        else
            months=(1 3)
            range=(-b 2026-01-01 -e 2026-04-01)
        fi
        run "$work/ours.txt" "$report" "$data" 2026 "${months[@]}" full
        ours_s=$secs ours_cpu=$cpu ours_mb=$mb
        run "$work/ledger.txt" ledger -f "$data/journal.ledger" bal "${range[@]}"
        ledger_s=$secs ledger_cpu=$cpu ledger_mb=$mb
        run "$work/hledger.txt" hledger -f "$data/journal.ledger" bal "${range[@]}"
        hledger_s=$secs hledger_cpu=$cpu hledger_mb=$mb

        # The same money on both sides.
        "$report" "$data" 2026 "${months[@]}" full --print >"$work/ours-report.txt"
        if [ "$ledger_s" != timeout ]; then
            check_totals "$work/ours-report.txt" "$work/ledger.txt" "Total Expense" expenses
            check_totals "$work/ours-report.txt" "$work/ledger.txt" "Total Income" income
        fi

        ratio=$(faster_ratio "$ours_s" "$ledger_s" "$hledger_s")
        cpu_ratio=$(faster_ratio "$ours_cpu" "$ledger_cpu" "$hledger_cpu")
        printf '%-9s %-7s %9s %8s  %9s %8s  %9s %8s  %10s %10s\n' \
            "$n" "$period" "$ours_s" "$ours_mb" "$ledger_s" "$ledger_mb" "$hledger_s" "$hledger_mb" "$ratio" "$cpu_ratio"
    done
    rm -rf "$data"
done
