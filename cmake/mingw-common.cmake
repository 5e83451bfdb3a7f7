# Shared by the two MinGW-w64 toolchain files, which set KESTROW_MINGW_PREFIX and
# KESTROW_WINE_LOADER first. Debian's MinGW with the posix thread model, which
# std::mutex in GoogleTest needs (the two programs link the win32 model's C++
# runtime instead: runtime/CMakeLists.txt); test binaries run through Wine.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KESTROW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTROW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTROW_MINGW_PREFIX}-windres)
set(CMAKE_STRIP ${KESTROW_MINGW_PREFIX}-strip)
set(CMAKE_OBJDUMP ${KESTROW_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTROW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The build itself never runs a Windows program, so a machine that cannot run
# this target's Wine still builds it; only its tests need the loader.
set(CMAKE_CROSSCOMPILING_EMULATOR ${KESTROW_WINE_LOADER})
