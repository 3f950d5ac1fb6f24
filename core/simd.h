// Whether the hand-vectorised SSE2 paths are compiled. Each has a scalar twin with the
// same arithmetic for targets without SSE2 (the browser build); defining VORRITH_SCALAR
// compiles the twins on any machine, so a test can compare both paths' pictures.
#pragma once

#if defined(__SSE2__) && !defined(VORRITH_SCALAR)
#define VORRITH_SSE2 1
#endif
