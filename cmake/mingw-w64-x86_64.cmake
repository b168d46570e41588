# Cross-building the Windows saver on Debian with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AEROLARK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${AEROLARK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AEROLARK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${AEROLARK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${AEROLARK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Only the system's own DLLs at run time: the C++ and threads runtimes are
# linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
