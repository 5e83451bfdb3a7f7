# Sourced: a private Wine prefix for the Windows build's tests, created once.
# Usage: . scripts/wine-env.sh BUILD_DIR
export WINEPREFIX="$(realpath "$1")/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix in $WINEPREFIX (once, about 20 s)"
  wineboot -i >/dev/null 2>&1
  # Without a window manager (bare Xvfb) Wine waits for one each time a managed
  # window closes; the tests' windows need no managing.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi
