# One static library per folder, built from the folder's own .cpp files and linked only
# to the libraries of the folders below it, so that a call against the layering fails
# to link (tools/check-includes.sh catches the include; the tests link each library
# whole with only its links, which catches the call).
#
#   vorrith_library(NAME [PICTURE] [LINKS lib...] [EXCLUDE regex])
#
# These declarations are the one record of the folder order. tools/check-includes.sh
# reads them from the CMakeLists.txt files without configuring (with
# tools/lib/library-declarations.awk, which knows these keywords), so LINKS names each
# library literally, never through a variable.
#
# PICTURE marks the portable picture libraries: with VORRITH_SCALAR_TWINS each also gets
# a twin NAME_scalar compiled with VORRITH_SCALAR (the scalar paths that targets
# without SSE2 take), linked to the twins of its links.
function(vorrith_library name)
  cmake_parse_arguments(ARG "PICTURE" "EXCLUDE" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${ARG_EXCLUDE}")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  vorrith_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY VORRITH_LIBRARIES ${name})
  if(ARG_PICTURE AND VORRITH_SCALAR_TWINS)
    add_library(${name}_scalar STATIC ${sources})
    target_include_directories(${name}_scalar PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name}_scalar PUBLIC VORRITH_SCALAR)
    list(TRANSFORM ARG_LINKS APPEND _scalar)
    target_link_libraries(${name}_scalar PUBLIC ${ARG_LINKS})
    vorrith_warnings(${name}_scalar)
  endif()
endfunction()
