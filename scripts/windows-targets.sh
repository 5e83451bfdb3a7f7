# Sourced by the scripts: the two Windows builds and which of them this machine
# can run under Wine.
#   x86: i686, build/win32, the main Kestrow.exe (32-bit and 64-bit Windows)
#   x64: x86_64, build/win64, for 64-bit Windows
# Some x86-64 machines run 64-bit code only (no IA-32 emulation): there the
# 32-bit Wine loader fails with "Exec format error", and only x64 runs.
# Override: KESTROW_64BIT_ONLY=1 treats this machine as one of those, so that
# path can be tried anywhere.

kestrow_build_dir() { case $1 in x86) echo build/win32 ;; x64) echo build/win64 ;; esac; }
kestrow_toolchain() { case $1 in x86) echo cmake/mingw-i686.cmake ;; x64) echo cmake/mingw-x86_64.cmake ;; esac; }
kestrow_wine_loader() { case $1 in x86) echo /usr/lib/wine/wine ;; x64) echo /usr/lib/wine/wine64 ;; esac; }

# The program's version, as res/Version.h gives it (2.00-R0).
kestrow_version() { sed -n 's/^#define KESTROW_VERSION "\(.*\)"$/\1/p' res/Version.h; }

# Succeeds where the x86 build can run; otherwise says why in kestrow_no_x86_reason.
kestrow_can_run_x86() {
  if [ "${KESTROW_64BIT_ONLY:-0}" = 1 ]; then
    kestrow_no_x86_reason="KESTROW_64BIT_ONLY=1 is set"
    return 1
  fi
  if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    kestrow_no_x86_reason="this machine cannot run 32-bit code"
    return 1
  fi
  return 0
}

# Configures (Release) and builds the given targets of one Windows build:
#   kestrow_build_windows x86|x64 [cmake --build arguments...]
kestrow_build_windows() {
  local arch=$1 dir
  shift
  dir=$(kestrow_build_dir "$arch")
  cmake -S . -B "$dir" -G Ninja --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$(kestrow_toolchain "$arch")" >/dev/null
  cmake --build "$dir" "$@"
}
