# Every header of a library's folders must be included by that library's umbrella header, so that
# "#include <textcore.h>" really gives a tool program the whole interface.
# Usage: cmake -DROOT=<repo> -DLIBRARY=<name> "-DDIRS=<dir;dir>" -P check_umbrellas.cmake
file(READ ${ROOT}/include/${LIBRARY}.h umbrella)
set(missing)
foreach(dir IN LISTS DIRS)
  file(GLOB headers RELATIVE ${ROOT} ${ROOT}/${dir}/*.h)
  foreach(header IN LISTS headers)
    # The start-up order of a library is its own business, not part of its interface.
    if(header MATCHES "_lifetime\\.h$")
      continue()
    endif()
    string(FIND "${umbrella}" "#include \"${header}\"" at)
    if(at EQUAL -1)
      list(APPEND missing ${header})
    endif()
  endforeach()
endforeach()
if(missing)
  message(FATAL_ERROR "include/${LIBRARY}.h does not include: ${missing}")
endif()
