#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test headless.
set -euo pipefail
# ccache (the compiler launcher when installed) shares its cache between checkouts.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$(dirname "$0")" && pwd)}"
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISAMAR_SANITIZE=ON >/dev/null
cmake --build build
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build --output-on-failure -j "$(nproc)"
