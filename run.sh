#!/usr/bin/env bash
# Builds the optimised program and starts it. Settings are kept in op.bm in the current directory.
set -euo pipefail
# ccache (the compiler launcher when installed) shares its cache between checkouts.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$(dirname "$0")" && pwd)}"
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRISAMAR_SANITIZE=OFF >/dev/null
cmake --build "$here/build-release" --target brisamar
exec "$here/build-release/brisamar" "$@"
