# 64-bit Windows. Its tests run on Wine's 64-bit loader, called directly: Debian's
# wine launcher would pick the 32-bit one, which some machines cannot run.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KESTROW_MINGW_PREFIX x86_64-w64-mingw32)
set(KESTROW_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
