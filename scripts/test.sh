#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# the unit tests natively (with sanitizers), then the Windows tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

# Every fuzz target for a short, bounded time.
scripts/fuzz.sh 20

cmake --preset windows
cmake --build --preset windows
TIKLET_VIRTUAL_DISPLAY=1
source scripts/wine-env.sh
trap wine_env_stop EXIT
ctest --preset windows
