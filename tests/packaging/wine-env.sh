# Sourced by the Wine tests: a headless Wine whose prefix lives in build-win, finding the game's DLLs
# in the library prefix and the toolchain's runtime.
win=${VORANTIS_WIN_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build-win}
export WINEPREFIX=$win/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs: nothing here needs .NET or HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="
dos_path() { printf 'Z:%s' "${1//\//\\}"; }
mingw_runtime=/usr/lib/gcc/x86_64-w64-mingw32/$(x86_64-w64-mingw32-gcc-posix -dumpversion)
WINEPATH="$(dos_path "$win/prefix/bin");$(dos_path "$mingw_runtime");$(dos_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH

# Creates the prefix once, without sound (there is no sound card; the game runs silent).
wine_ready() {
  if [ ! -f "$WINEPREFIX/.vorantis-ready" ]; then
    mkdir -p "$WINEPREFIX"
    DISPLAY= wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.vorantis-ready"
  fi
}

# Ends every Wine process of the prefix: called on every way out of a test.
wine_down() { wineserver -k >/dev/null 2>&1 || true; }
