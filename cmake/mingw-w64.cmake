# Cross-compiling for Windows with Debian's MinGW-w64 compilers. Included by the per-target
# toolchain files, which set MINGW_TRIPLET and MINGW_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_PROCESSOR})

# The posix thread model: with GCC 12 only it has std::thread and std::mutex, which GoogleTest
# needs. Its runtime (winpthread) is linked statically with the rest of the compiler's.
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)

# Headers and libraries come from the MinGW-w64 tree only; programs run during the build are the
# host's.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
