// Forced into every C++ file of the Windows cross build (scripts/build-windows): the POSIX calls
// that the replay tool and the tests use to choose SDL's video driver, which mingw-w64 lacks.
#pragma once

#include <stdlib.h>

inline int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && getenv(name) != nullptr) return 0;
  return _putenv_s(name, value);
}

inline int unsetenv(const char* name) {
  return _putenv_s(name, "");
}
