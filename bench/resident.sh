#!/usr/bin/env bash
# What vorn costs while it lives in the tray: the time from start to the end of its first
# display (the window built, the language applied), then over an idle stretch its CPU time,
# context switches of all its threads and resident memory. Runs the Release build on a
# private session bus with the offscreen platform, in a fresh home folder.
#   bench/resident.sh [IDLE_SECONDS [--window shown|hidden] [VORN OPTIONS...]]
#   e.g. bench/resident.sh 60 --window hidden --demo=dongle8k+t4ultra,t4
# --window puts the window into that state (with vornctl window) before the idle stretch; without
# it the window stays as the program leaves it.
set -euo pipefail
cd "$(dirname "$0")/.."
idle="${1:-10}"
shift || true
window=""
if [[ "${1:-}" == "--window" ]]; then
    window="${2:?--window takes shown or hidden}"
    shift 2
fi
options=("$@")
bin="build/release/bin/vorn"
[[ -x "$bin" ]] || { echo "build the Release build first: ./run.sh vorn --version" >&2; exit 2; }
export VORN_WINDOW="$window"

measure() {
    local idle="$2" home err pid start ready t0 t1 c0 c1
    shift 2
    home="$(mktemp -d)"
    err="$home/stderr"
    export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    export XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen VORN_DEBUG=1
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    start=$(date +%s%N)
    "$program" "$@" 2>"$err" &
    pid=$!
    # The first display ends by storing the language it applied.
    for _ in $(seq 1 500); do
        grep -q "写成功" "$err" 2>/dev/null && break
        sleep 0.005
    done
    ready=$(date +%s%N)
    sleep 1
    case "${VORN_WINDOW:-}" in
        shown) "$(dirname "$program")/vornctl" window show >/dev/null ;;
        hidden) "$(dirname "$program")/vornctl" window hide >/dev/null ;;
    esac
    sleep 1
    ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
    # Per thread, so that a thread ending meanwhile (Qt's pool retires idle ones) does not
    # take its count along: "tid switches" lines.
    switches() {
        for task in /proc/"$pid"/task/*; do
            awk -v tid="${task##*/}" '/^(non)?voluntary_ctxt_switches/ {s += $2} END {print tid, s}' \
                "$task/status" 2>/dev/null
        done
    }
    t0=$(ticks); before=$(switches)
    sleep "$idle"
    t1=$(ticks); after=$(switches)
    c0=0
    c1=$(awk 'NR == FNR {was[$1] = $2; next} {s += $2 - ($1 in was ? was[$1] : 0)} END {print s + 0}' \
        <(echo "$before") <(echo "$after"))
    echo "start to first display: $(( (ready - start) / 1000000 )) ms"
    echo "idle ${idle} s${VORN_WINDOW:+ (window $VORN_WINDOW)}: CPU $(( (t1 - t0) * 1000 / $(getconf CLK_TCK) )) ms, context switches $(( c1 - c0 )) (all threads)"
    echo "resident memory: $(awk '/VmRSS/ {print $2, $3}' "/proc/$pid/status"), threads: $(ls /proc/$pid/task | wc -l)"
    kill "$pid"
    wait "$pid" || true
    rm -rf "$home"
}
export -f measure
exec dbus-run-session -- bash -c 'program="$0"; measure "$0" "$@"' "$bin" "$idle" "${options[@]}"
