# Sourced by the scripts that run Windows programs. Wine's 32-bit loader is a
# 32-bit Linux program; on machines that execute none (some virtual machines
# have no 32-bit mode) only its 64-bit loader works, and the Wine tests run
# the 64-bit build of the programs (preset win64) instead of the 32-bit one.

wine_runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# The preset whose Windows programs this machine can run.
windows_test_preset() { if wine_runs_32bit; then echo win32; else echo win64; fi; }

# The command that starts a Windows program, in the array `wine`.
choose_wine_loader() {
    if wine_runs_32bit; then
        wine=(wine)
    else
        wine=(/usr/lib/wine/wine64)
        export WINELOADER=/usr/lib/wine/wine64
    fi
}
