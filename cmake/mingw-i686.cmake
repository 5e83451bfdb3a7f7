# Cross-compiles the 32-bit Windows program with Debian's MinGW-w64 (the posix
# thread model, which std::mutex in GoogleTest needs) and runs its
# test binaries through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KESTROW_MINGW_PREFIX i686-w64-mingw32)

set(CMAKE_C_COMPILER ${KESTROW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTROW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTROW_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTROW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

find_program(KESTROW_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KESTROW_WINE})
