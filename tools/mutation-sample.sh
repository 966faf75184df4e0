#!/usr/bin/env bash
# Applies a fixed sample of small faults to the widget-free code, one at a
# time, rebuilds, runs the tests and reports whether the tests noticed.
#
# Usage:
#   tools/mutation-sample.sh                 run every mutant
#   tools/mutation-sample.sh --only S01,T03  run some
#   tools/mutation-sample.sh --list          print the mutants, run nothing
#   BUILD=dir tools/mutation-sample.sh       build directory (default build-mutation)
#
# The mutants (file, snippet, replacement) are kept in tools/mutation-sample.py.
# Each changed file is restored from a pristine copy after its mutant, on an
# error and on Ctrl-C alike, so the work tree is left as it was found.
# A mutant that fails to build counts as killed and is marked "killed (build)".
# Per-mutant build and test logs go to $BUILD/mutation-logs/.

set -u -o pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HELPER="$ROOT/tools/mutation-sample.py"
BUILD=${BUILD:-build-mutation}
case "$BUILD" in /*) BUILD_DIR=$BUILD ;; *) BUILD_DIR=$ROOT/$BUILD ;; esac
JOBS=${JOBS:-2}
# Tests left out: the CUPS print test needs a print server.
EXCLUDE=${EXCLUDE:-cups}
TEST_TIMEOUT=${TEST_TIMEOUT:-120}

usage() { sed -n '2,16p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; }

ONLY=""
while [ $# -gt 0 ]; do
    case "$1" in
        --list) exec python3 "$HELPER" list ;;
        --only) [ $# -ge 2 ] || { usage >&2; exit 2; }; ONLY=$2; shift 2 ;;
        --only=*) ONLY=${1#--only=}; shift ;;
        -h|--help) usage; exit 0 ;;
        *) echo "unknown argument: $1" >&2; usage >&2; exit 2 ;;
    esac
done

IDS=$(python3 "$HELPER" ids "$ONLY") || exit 2
python3 "$HELPER" check >/dev/null || { echo "mutant list does not match the sources" >&2; exit 2; }

PRISTINE=$(mktemp -d "${TMPDIR:-/tmp}/mutation-sample.XXXXXX")
CURRENT_FILE=""

restore() {
    if [ -n "$CURRENT_FILE" ] && [ -f "$PRISTINE/file" ]; then
        # A plain copy gives the file a new time, so the next build recompiles it.
        cat "$PRISTINE/file" > "$ROOT/$CURRENT_FILE"
        rm -f "$PRISTINE/file"
    fi
    CURRENT_FILE=""
}
cleanup() { restore; rm -rf "$PRISTINE"; }
trap cleanup EXIT
trap 'echo "interrupted: restoring" >&2; cleanup; trap - INT; kill -INT $$' INT
trap 'cleanup; exit 143' TERM HUP

export QT_QPA_PLATFORM=offscreen

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    linker=-fuse-ld=gold
    command -v ld.lld >/dev/null && linker=-fuse-ld=lld
    echo "configuring $BUILD_DIR" >&2
    cmake -S "$ROOT" -B "$BUILD_DIR" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
        "-DCMAKE_EXE_LINKER_FLAGS=$linker" >/dev/null || { echo "configure failed" >&2; exit 2; }
fi
LOGS=$BUILD_DIR/mutation-logs
mkdir -p "$LOGS"

# The unchanged code must build and pass, or no result means anything.
echo "building the unchanged code in $BUILD_DIR" >&2
if ! cmake --build "$BUILD_DIR" -j"$JOBS" > "$LOGS/baseline-build.log" 2>&1; then
    echo "the unchanged code does not build: see $LOGS/baseline-build.log" >&2
    exit 2
fi

N=0
K=0
for id in $IDS; do
    file=$(python3 "$HELPER" file "$id")
    desc=$(python3 "$HELPER" describe "$id")
    cp -p "$ROOT/$file" "$PRISTINE/file"
    CURRENT_FILE=$file
    if ! python3 "$HELPER" apply "$id"; then
        echo "$id: could not be applied, stopping" >&2
        exit 2
    fi
    N=$((N + 1))
    start=$SECONDS
    if ! cmake --build "$BUILD_DIR" -j"$JOBS" > "$LOGS/$id-build.log" 2>&1; then
        verdict="killed (build)"
        K=$((K + 1))
    elif ! ctest --test-dir "$BUILD_DIR" -j"$JOBS" --stop-on-failure --timeout "$TEST_TIMEOUT" \
            -E "$EXCLUDE" > "$LOGS/$id-test.log" 2>&1; then
        verdict="killed"
        K=$((K + 1))
    else
        verdict="SURVIVED"
    fi
    restore
    printf '%-4s %-48s %-15s %4ss  %s\n' "$id" "$file" "$verdict" "$((SECONDS - start))" "$desc"
done

echo "killed $K of $N"
