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

# Installed, these files lie beside the package's talvoConfig.cmake, for programs built on it. A
# package search looks only under the MinGW-w64 tree, where talvo is not: find_package(talvo) is
# pointed at this package. The programs take the compiler's runtime in, as talvo's own do, so
# that they need no DLL beyond the system's.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/talvoConfig.cmake)
  set(talvo_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE PATH "The talvo package this toolchain came with")
  set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
endif()
