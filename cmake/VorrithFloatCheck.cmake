# Pictures use a few floating-point layers; the same bytes on every target need the same
# rounding. x87 arithmetic rounds intermediate results differently, so every x86 build
# must do its floating point in SSE2 registers: refuse to configure otherwise.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles("
#if (defined(__i386__) || defined(__x86_64__)) && !(defined(__SSE2__) && defined(__SSE2_MATH__))
#error floating point is not done with SSE2
#endif
int main() { return 0; }" VORRITH_SSE2_FLOATING_POINT)
if(NOT VORRITH_SSE2_FLOATING_POINT)
  message(FATAL_ERROR "This build would do floating point on the x87 unit and could draw different "
                      "pictures; compile with -msse2 -mfpmath=sse.")
endif()
