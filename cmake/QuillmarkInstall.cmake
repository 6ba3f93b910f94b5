# Install rules: the libraries, their public headers under include/quillmark/, the CMake package
# (find_package(Quillmark) gives Quillmark::<library>) and one pkg-config file per library.

set(QUILLMARK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Quillmark)

install(TARGETS ${QUILLMARK_LIBRARIES} EXPORT QuillmarkTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The pkg-config files locate the prefix from their own folder, so the tree can be moved.
file(RELATIVE_PATH QUILLMARK_PC_TO_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" QUILLMARK_PC_TO_PREFIX "${QUILLMARK_PC_TO_PREFIX}")

foreach(lib IN LISTS QUILLMARK_LIBRARIES)
  install(FILES include/${lib}.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillmark)
  # Only the public headers: internal ones are not part of the installed interface.
  quillmark_public_headers(${lib} lib_headers)
  foreach(header IN LISTS lib_headers)
    get_filename_component(header_dir ${header} DIRECTORY)
    install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillmark/${header_dir})
  endforeach()

  set(QUILLMARK_PC_NAME ${lib})
  set(QUILLMARK_PC_REQUIRES "")
  if(NOT lib STREQUAL "textcore")
    string(STRIP "quillmark-textcore ${QUILLMARK_${lib}_PC_REQUIRES_QT}" QUILLMARK_PC_REQUIRES)
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
