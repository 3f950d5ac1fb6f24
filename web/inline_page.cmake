# Writes the page: the template with the style and the scripts put inline. Run with
# cmake -P and TEMPLATE, STYLE, SIMD_ENGINE and SCALAR_ENGINE (one file each),
# WORKER_SCRIPTS and PAGE_SCRIPTS (file names separated by "|"), OUTPUT.
function(read_joined names result)
  string(REPLACE "|" ";" files "${names}")
  set(text "")
  foreach(file IN LISTS files)
    file(READ ${file} part)
    string(APPEND text "${part}\n")
  endforeach()
  # Inline script text ends at the first "</script"; "<!--" changes how it is parsed.
  string(TOLOWER "${text}" lower)
  string(FIND "${lower}" "</script" closing)
  string(FIND "${lower}" "<!--" comment)
  if(NOT closing EQUAL -1 OR NOT comment EQUAL -1)
    message(FATAL_ERROR "${names} hold text that would end or change an inline script")
  endif()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${STYLE} PAGE_STYLE)
read_joined("${SIMD_ENGINE}" SIMD_ENGINE_SCRIPT)
read_joined("${SCALAR_ENGINE}" SCALAR_ENGINE_SCRIPT)
read_joined("${WORKER_SCRIPTS}" WORKER_SCRIPT)
read_joined("${PAGE_SCRIPTS}" PAGE_SCRIPT)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
