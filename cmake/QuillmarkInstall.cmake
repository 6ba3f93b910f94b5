# Install rules: the libraries, their headers under include/quillmark/, the CMake package
# (find_package(Quillmark) gives Quillmark::<library>) and one pkg-config file per library.

set(QUILLMARK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Quillmark)

# textcore's folders, then each Qt library's own; only libraries that exist are listed.
set(QUILLMARK_DIRS_textcore ${QUILLMARK_TEXTCORE_DIRS})
set(QUILLMARK_DIRS_unidisplay stats fonts)
set(QUILLMARK_DIRS_filekit filekit)
set(QUILLMARK_DIRS_dialogkit dialogs)
set(QUILLMARK_DIRS_colourbox colourbox)

install(TARGETS ${QUILLMARK_LIBRARIES} EXPORT QuillmarkTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The pkg-config files locate the prefix from their own folder, so the tree can be moved.
file(RELATIVE_PATH QUILLMARK_PC_TO_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" QUILLMARK_PC_TO_PREFIX "${QUILLMARK_PC_TO_PREFIX}")

foreach(lib IN LISTS QUILLMARK_LIBRARIES)
  install(FILES include/${lib}.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillmark)
  quillmark_headers(lib_headers ${QUILLMARK_DIRS_${lib}})
  foreach(header IN LISTS lib_headers)
    get_filename_component(header_dir ${header} DIRECTORY)
    install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillmark/${header_dir})
  endforeach()

  set(QUILLMARK_PC_NAME ${lib})
  set(QUILLMARK_PC_REQUIRES "")
  if(NOT lib STREQUAL "textcore")
    set(QUILLMARK_PC_REQUIRES "quillmark-textcore")
  endif()
  set(QUILLMARK_PC_REQUIRES_PRIVATE "${QUILLMARK_${lib}_PC_REQUIRES_PRIVATE}")
  configure_file(cmake/quillmark.pc.in ${PROJECT_BINARY_DIR}/quillmark-${lib}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/quillmark-${lib}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

install(EXPORT QuillmarkTargets NAMESPACE Quillmark:: DESTINATION ${QUILLMARK_CMAKE_DIR})
configure_package_config_file(cmake/QuillmarkConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QuillmarkConfig.cmake INSTALL_DESTINATION ${QUILLMARK_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QuillmarkConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QuillmarkConfig.cmake
  ${PROJECT_BINARY_DIR}/QuillmarkConfigVersion.cmake DESTINATION ${QUILLMARK_CMAKE_DIR})
