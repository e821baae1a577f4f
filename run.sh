#!/usr/bin/env bash
# Builds the Release build and runs the program.
#   ./run.sh                    the main job
#   ./run.sh PROGRAM ARGS...    one of the project's programs, e.g. ./run.sh vornctl list
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vorn_install_dependencies

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" >/dev/null

bin="build/release/bin"
if [[ $# -eq 0 ]]; then
    exec "$bin/vornctl" catalogue
fi
program="$1"
shift
if [[ ! -x "$bin/$program" ]]; then
    echo "run.sh: no program named '$program' (have: $(ls "$bin" | grep -v '\.' | tr '\n' ' '))" >&2
    exit 2
fi
exec "$bin/$program" "$@"
