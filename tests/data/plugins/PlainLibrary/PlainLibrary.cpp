// PlainLibrary.out.so: a shared library with no plug-in metadata at all. If a host loaded it,
// its static initialiser would leave a mark.

#include <cstdlib>

namespace {
const int loadedMark = ::setenv("QPZ_PLAIN_LIBRARY_LOADED", "1", 1);
}

extern "C" int PlainLibraryAnswer()
{
    return loadedMark + 42;
}
