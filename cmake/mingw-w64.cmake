# Cross-builds the Windows program with Debian's mingw-w64 (posix thread model, so std::thread
# and std::mutex work in every target) and runs the test programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LWVIZ_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LWVIZ_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LWVIZ_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LWVIZ_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LWVIZ_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Small and self-contained: every program links the compiler's run-time statically, so it needs
# no DLL beyond Windows' own, and unused code and data are dropped. Unicode Windows 10 API
# (per-monitor DPI functions) everywhere.
set(CMAKE_CXX_FLAGS_INIT
    "-ffunction-sections -fdata-sections -DUNICODE -D_UNICODE -DNOMINMAX -D_WIN32_WINNT=0x0A00 -DWINVER=0x0A00")
# As a cache entry: CMake would otherwise append its own -O3 to an _INIT value.
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "Flags for Release builds")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
# Link-time optimisation over the whole program, tests included, so that they check the code
# that ships; it keeps the exe under 500 KiB with nothing left out. One partition: GCC 12
# crashes (internal compiler error in binds_to_current_def_p) when it splits this program
# into several. Set here rather than as _INIT flags so that existing build folders get both.
set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
# GoogleTest's CMake files predate CMake's LTO switch: they get it too, without a warning.
set(CMAKE_POLICY_DEFAULT_CMP0069 NEW)
add_link_options($<$<CONFIG:Release>:-flto-partition=one>)

# Test programs run under Wine in a prefix of this build folder, made once on first use.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run;--prefix;${CMAKE_BINARY_DIR}/wine-prefix")
