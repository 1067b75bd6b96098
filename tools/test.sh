#!/usr/bin/env bash
# Builds everything and runs every test: installs what is missing, then the
# native tests (under AddressSanitizer and UndefinedBehaviorSanitizer), the
# release build of the tools and benchmarks, the Windows program's tests
# under Wine, and a short run of each fuzz target over its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

for preset in native native-release fuzz win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

# The Wine session and virtual display of the Windows tests end with the run.
trap 'tools/wine-run.sh --shutdown build/win32' EXIT
ctest --preset native -j "$(nproc)"
ctest --preset win32 -j "$(nproc)"

# New inputs go to a scratch folder of the build tree, so the committed
# corpus stays small; a crash leaves its input in build/fuzz/artifacts.
mkdir -p build/fuzz/artifacts
for target in build/fuzz/bin/*_fuzzer; do
    name=$(basename "$target" _fuzzer)
    mkdir -p "build/fuzz/scratch/$name"
    if ! "$target" -runs=3000 -artifact_prefix=build/fuzz/artifacts/ "build/fuzz/scratch/$name" \
        "fuzz/corpus/$name" >"build/fuzz/$name.log" 2>&1; then
        tail -n 40 "build/fuzz/$name.log"
        echo "fuzz target $name failed; its log is build/fuzz/$name.log" >&2
        exit 1
    fi
done
