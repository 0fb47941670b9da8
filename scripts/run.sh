#!/usr/bin/env bash
# Sets up, builds and starts the programmer with a simulated radio on port 1.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLEX_BUILD_TESTS=OFF >/dev/null
cmake --build build -j2
# Without arguments the simulated radio holds the bundled sample configuration.
[ $# -eq 0 ] && set -- examples/sample.dat
exec build/orlex-k7 --simulate "$@"
