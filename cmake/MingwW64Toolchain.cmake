# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers of the posix thread model
# (g++-mingw-w64-x86-64-posix), which std::thread and std::mutex need. Programs built for tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QINGTAN_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QINGTAN_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QINGTAN_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${QINGTAN_MINGW_TARGET}-windres)

# Libraries and headers come from the target's tree only; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${QINGTAN_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each .exe carries the C and C++ runtimes and winpthreads, so it runs on its own, without DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest and GoogleTest's test discovery run the programs through wine-run, in a Wine prefix of the build tree.
find_program(QINGTAN_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(QINGTAN_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wine-prefix ${QINGTAN_WINE})
endif()
