// Compiled first into every file of a toolkit-free library (the build passes
// it with -include; see meridex_logic_library). Every Qt header defines or
// tests QT_VERSION, which from here on is poisoned: any Qt header reached,
// directly or through another header, in any order, fails to compile.
#pragma once

#ifdef QT_VERSION
#error "A toolkit-free library must not include Qt headers."
#endif

#pragma GCC poison QT_VERSION
