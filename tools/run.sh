#!/usr/bin/env bash
# The program's main job: installs what is missing, builds config.exe and starts
# it under Wine. With a display it runs until you close it; headless (no
# DISPLAY) it runs on a virtual display, saves a screenshot of the screen to
# build/win32/screenshots/main-job.png (build/win64 on machines that run no
# 32-bit programs) and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
source tools/wine-loader.sh
# The 64-bit build where this machine cannot execute 32-bit programs.
windows=$(windows_test_preset)
cmake --preset "$windows" >/dev/null
cmake --build --preset "$windows" --target config

program=build/$windows/bin/config.exe
arguments=(/do jiemian)

if [ -n "${DISPLAY:-}" ]; then
    exec tools/wine-run.sh "$program" "${arguments[@]}"
fi

trap 'tools/wine-run.sh --shutdown "build/$windows"' EXIT
tools/wine-run.sh "$program" "${arguments[@]}" &
shot=build/$windows/screenshots/main-job.png
mkdir -p "$(dirname "$shot")"
# Wine names the X windows of config.exe after the program.
for _ in $(seq 600); do
    display=$(cat "build/$windows/wine-display" 2>/dev/null || true)
    if [ -n "$display" ] && xwininfo -display "$display" -root -tree 2>/dev/null | grep -q '"config.exe"'; then
        sleep 1  # let it finish painting
        import -display "$display" -window root "$shot"
        echo "run: config.exe is running; screenshot saved to $shot"
        exit 0
    fi
    sleep 0.1
done
echo "run: no window of config.exe appeared within 60 seconds" >&2
exit 1
