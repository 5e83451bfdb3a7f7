# Compiler settings shared by every target of both builds.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror)
# GCC 12 takes a text joined in front of a std::string ("--" + name) for
# overlapping copies (GCC bug 105329): a false alarm in the standard library.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()

if(WIN32)
  # SSE arithmetic rounds every float and double step exactly as the native
  # build does; x87 registers would keep excess precision between steps.
  add_compile_options(-msse2 -mfpmath=sse)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # One self-contained .exe: no libgcc, libstdc++ or winpthread DLL.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # No link time in the PE header, so a build is the same bytes in any folder on any day.
  add_link_options(-Wl,--no-insert-timestamp)
  # Release: code optimised for size (kestrow-cli.exe a third smaller than at
  # -O3; the programs wait for the user, not for the processor), without what
  # nothing calls, and stripped of its symbols. -Os comes after CMake's -O3.
  add_compile_options($<$<CONFIG:Release>:-Os>)
  add_compile_options($<$<CONFIG:Release>:-ffunction-sections> $<$<CONFIG:Release>:-fdata-sections>)
  add_link_options($<$<CONFIG:Release>:-Wl,--gc-sections> $<$<CONFIG:Release>:-s>)
endif()

option(KESTROW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KESTROW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
