#!/usr/bin/env bash
# Builds the Debug build with AddressSanitizer and UBSan and runs every test.
# Installs what is missing on a fresh Debian 12 machine first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
vorn_install_dependencies

cmake --preset debug >/dev/null
cmake --build --preset debug -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Tests run on a private session bus so nothing reaches the user's desktop session.
exec dbus-run-session -- ctest --preset debug -j"$(nproc)"
