# Sourced: a private Wine prefix for one Windows build, created once, and the
# loader that runs that build's programs.
# Usage: . scripts/wine-env.sh BUILD_DIR x86|x64
# Afterwards "$KESTROW_WINE" runs a program and "$KESTROW_WINESERVER" is its server.
# The loaders are called directly: Debian's wine launcher would pick the 32-bit
# one whenever wine32 is installed, even where it cannot run.
. "$(dirname "${BASH_SOURCE[0]}")/windows-targets.sh"
export WINEPREFIX="$(realpath "$1")/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
case $2 in
  x86) export WINEARCH=win32 ;;
  x64) export WINEARCH=win64 ;;
  *) echo "wine-env.sh: the target is x86 or x64, not '$2'" >&2; return 2 ;;
esac
KESTROW_WINE=$(kestrow_wine_loader "$2")
# Programs started from inside Wine use the same loader.
export WINELOADER=$KESTROW_WINE
KESTROW_WINESERVER=/usr/lib/wine/wineserver
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the $2 Wine prefix in $WINEPREFIX (once, about 20 s)"
  "$KESTROW_WINE" wineboot -i >/dev/null 2>&1
  # Without a window manager (bare Xvfb) Wine waits for one each time a managed
  # window closes; the tests' windows need no managing.
  "$KESTROW_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$KESTROW_WINESERVER" -w
fi
