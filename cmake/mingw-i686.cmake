# 32-bit Windows, the main build: it runs on 32-bit and 64-bit Windows. Its
# tests run on Wine's 32-bit loader, which only machines that run 32-bit code have.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KESTROW_MINGW_PREFIX i686-w64-mingw32)
set(KESTROW_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
