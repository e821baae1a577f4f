#!/usr/bin/env bash
# Builds the Release build and runs the program.
#   ./run.sh                    the program on emulated devices (vorn --demo); without a
#                               display it writes a picture of its window to vorn-main.png
#   ./run.sh PROGRAM ARGS...    one of the project's programs, e.g. ./run.sh vornctl list
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vorn_install_dependencies

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null

bin="build/release/bin"
if [[ $# -eq 0 ]]; then
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
        # No desktop to show the window on: render it once and say where the picture is.
        exec "$bin/vorn" --demo --screenshot "$PWD/vorn-main.png"
    fi
    exec "$bin/vorn" --demo
fi
program="$1"
shift
if [[ ! -x "$bin/$program" ]]; then
    echo "run.sh: no program named '$program' (have: $(ls "$bin" | grep -v '\.' | tr '\n' ' '))" >&2
    exit 2
fi
exec "$bin/$program" "$@"
