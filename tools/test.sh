#!/usr/bin/env bash
# Builds everything and runs every test: installs what is missing, then the
# native tests (under AddressSanitizer and UndefinedBehaviorSanitizer), the
# release build of the tools and benchmarks, the Windows program's tests
# under Wine, and a short run of each fuzz target over its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
source tools/wine-loader.sh

# The 32-bit program is always built; its tests run on the 64-bit build where
# this machine cannot execute 32-bit programs.
windows=$(windows_test_preset)
presets=(native native-release fuzz win32)
[ "$windows" = win32 ] || presets+=("$windows")
[ "$windows" = win32 ] || echo "test: this machine runs no 32-bit programs; the Wine tests use the $windows build"
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

# The Wine session and virtual display of the Windows tests end with the run.
trap 'tools/wine-run.sh --shutdown "build/$windows"' EXIT
ctest --preset native -j "$(nproc)"
ctest --preset "$windows" -j "$(nproc)"

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
