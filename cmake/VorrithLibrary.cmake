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
# without SSE2 take), linked to the twins of its links. In the browser build every
# library also gets a twin NAME_simd compiled for WebAssembly SIMD, where Emscripten
# turns the SSE2 intrinsics into vector instructions; the plain libraries are the
# engine for browsers without it.
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
    vorrith_library_twin(${name} _scalar "${sources}" "${ARG_LINKS}" DEFINITIONS VORRITH_SCALAR)
  endif()
  if(EMSCRIPTEN)
    # Every browser that runs WebAssembly SIMD also runs bulk memory: memset and memcpy
    # become single instructions.
    vorrith_library_twin(${name} _simd "${sources}" "${ARG_LINKS}" OPTIONS -msimd128 -msse2 -mbulk-memory)
  endif()
endfunction()

# A twin of library NAME built from the same sources with other definitions or compiler
# options (both passed on to what links it, the options to its link too), linked to the
# same twins of its links.
function(vorrith_library_twin name suffix sources links)
  cmake_parse_arguments(ARG "" "" "DEFINITIONS;OPTIONS" ${ARGN})
  set(twin ${name}${suffix})
  add_library(${twin} STATIC ${sources})
  target_include_directories(${twin} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${twin} PUBLIC ${ARG_DEFINITIONS})
  target_compile_options(${twin} PUBLIC ${ARG_OPTIONS})
  target_link_options(${twin} PUBLIC ${ARG_OPTIONS})
  list(TRANSFORM links APPEND ${suffix})
  target_link_libraries(${twin} PUBLIC ${links})
  vorrith_warnings(${twin})
endfunction()
