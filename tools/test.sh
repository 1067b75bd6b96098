#!/usr/bin/env bash
# Builds everything and runs every test: installs what is missing, then the
# native tests (under AddressSanitizer and UndefinedBehaviorSanitizer), the
# release build of the tools and benchmarks, and the Windows program's tests
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

for preset in native native-release win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

# The Wine session and virtual display of the Windows tests end with the run.
trap 'tools/wine-run.sh --shutdown build/win32' EXIT
ctest --preset native -j "$(nproc)"
ctest --preset win32 -j "$(nproc)"
