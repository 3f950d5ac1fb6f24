# The project's version in the forms Windows resources and installers ask for: four
# numbers, dotted ("1.80.0.0") and comma-separated ("1,80,0,0"). Missing parts are 0.
foreach(part MAJOR MINOR PATCH TWEAK)
  set(number "${PROJECT_VERSION_${part}}")
  if(number STREQUAL "")
    set(number 0)
  endif()
  list(APPEND version_numbers ${number})
endforeach()
list(JOIN version_numbers "." VORRITH_VERSION_QUAD)
list(JOIN version_numbers "," VORRITH_VERSION_COMMAS)
unset(version_numbers)
unset(number)
