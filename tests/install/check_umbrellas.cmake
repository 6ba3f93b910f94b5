# A library's umbrella header includes every one of its public headers, so that
# "#include <textcore.h>" really gives a tool program the whole interface, and none of its internal
# ones, which are not installed. No public header includes an internal one either: the installed
# tree would not compile.
# Usage: cmake -DROOT=<repo> -DLIBRARY=<name> "-DPUBLIC=<header;...>" "-DINTERNAL=<header;...>"
#              -P check_umbrellas.cmake
cmake_minimum_required(VERSION 3.25)

# The headers a file includes by quoted name, as written between the quotes.
function(quoted_includes file out)
  file(READ ${file} text)
  string(REGEX MATCHALL "#include \"[^\"]+\"" lines "${text}")
  list(TRANSFORM lines REPLACE "#include \"([^\"]+)\"" "\\1")
  set(${out} ${lines} PARENT_SCOPE)
endfunction()

quoted_includes(${ROOT}/include/${LIBRARY}.h umbrella)
set(faults)
foreach(header IN LISTS PUBLIC)
  if(NOT header IN_LIST umbrella)
    list(APPEND faults "include/${LIBRARY}.h does not include the public ${header}")
  endif()
  quoted_includes(${ROOT}/${header} included)
  foreach(internal IN LISTS INTERNAL)
    if(internal IN_LIST included)
      list(APPEND faults "the public ${header} includes the internal ${internal}")
    endif()
  endforeach()
endforeach()
foreach(internal IN LISTS INTERNAL)
  if(internal IN_LIST umbrella)
    list(APPEND faults "include/${LIBRARY}.h includes the internal ${internal}")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "${text}")
endif()
