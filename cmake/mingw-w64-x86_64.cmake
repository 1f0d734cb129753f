# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-x86-64):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCELLWRIGHT_BUILD_TESTS=OFF -DCELLWRIGHT_BUILD_BENCH=OFF -DCELLWRIGHT_BUILD_TOOLS=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CELLWRIGHT_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CELLWRIGHT_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${CELLWRIGHT_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${CELLWRIGHT_MINGW_PREFIX}-windres)

# Headers and libraries come from the MinGW-w64 tree only, never from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${CELLWRIGHT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A standalone .exe: the C++ runtime is linked in, so no MinGW DLL has to travel with it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
