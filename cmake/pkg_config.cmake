# talvo.pc for pkg-config, installed with the library on Linux: the archives in the order a link
# takes them, the window object first, then the X11 layer's parts from the last to the first (each
# uses only those before it), then the texts; with the link options the parts require of a
# program.
set(TALVO_PC_ARCHIVES talvo_glwindow)
set(TALVO_PC_LINK_OPTIONS)
set(parts ${talvo_platform_libraries})
list(REVERSE parts)
foreach(part IN LISTS parts)
  get_target_property(type ${part} TYPE)
  if(type STREQUAL STATIC_LIBRARY)
    list(APPEND TALVO_PC_ARCHIVES ${part})
    get_target_property(options ${part} INTERFACE_LINK_OPTIONS)
    if(options)
      list(APPEND TALVO_PC_LINK_OPTIONS ${options})
    endif()
  endif()
endforeach()
list(APPEND TALVO_PC_ARCHIVES talvo_text)
list(TRANSFORM TALVO_PC_ARCHIVES PREPEND -l)
list(TRANSFORM TALVO_PC_LINK_OPTIONS REPLACE "^LINKER:" "-Wl,")
string(REPLACE ";" " " TALVO_PC_ARCHIVES "${TALVO_PC_ARCHIVES}")
string(REPLACE ";" " " TALVO_PC_LINK_OPTIONS "${TALVO_PC_LINK_OPTIONS}")
# The prefix is found from where the file lies, so that an install to another prefix
# (cmake --install --prefix) holds a file that is right there too.
set(TALVO_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
string(REGEX REPLACE "[^/]+" ".." TALVO_PC_PREFIX ${TALVO_PC_DIR})
configure_file(cmake/talvo.pc.in talvo.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/talvo.pc DESTINATION ${TALVO_PC_DIR})
