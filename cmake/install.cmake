# cmake --install: the library with its headers, the package configuration that
# find_package(talvo) reads, and on Linux talvo.pc for pkg-config (pkg_config.cmake); the program
# in talvo's own build; the toolchain file with a Windows build, for programs built on it.
include(CMakePackageConfigHelpers)
set(TALVO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/talvo)

if(TARGET talvo)
  install(TARGETS talvo)
endif()
install(TARGETS talvo_glwindow talvo_text ${talvo_platform_libraries} EXPORT talvoTargets)
install(FILES platform/platform.h DESTINATION ${TALVO_INCLUDE_DIR}/platform)
install(FILES glwindow/gl_window.h DESTINATION ${TALVO_INCLUDE_DIR}/glwindow)
if(NOT WIN32)
  install(DIRECTORY ${TALVO_WIN32_HEADERS}/ DESTINATION ${TALVO_WIN32_HEADERS_INSTALL_DIR})
endif()

install(EXPORT talvoTargets NAMESPACE talvo:: DESTINATION ${TALVO_CMAKE_DIR})
configure_package_config_file(cmake/talvoConfig.cmake.in talvoConfig.cmake
  INSTALL_DESTINATION ${TALVO_CMAKE_DIR})
write_basic_package_version_file(talvoConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/talvoConfig.cmake ${PROJECT_BINARY_DIR}/talvoConfigVersion.cmake
  DESTINATION ${TALVO_CMAKE_DIR})

if(WIN32)
  # The toolchain file of the build's own target, for programs built on it.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(target x86_64)
  else()
    set(target i686)
  endif()
  install(FILES cmake/mingw-w64.cmake cmake/toolchain-mingw-${target}.cmake
    DESTINATION ${TALVO_CMAKE_DIR})
else()
  include(cmake/pkg_config.cmake)
endif()
