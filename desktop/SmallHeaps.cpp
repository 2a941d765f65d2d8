#include "desktop/SmallHeaps.h"

// Any header of the C library says which one it is; without one, __GLIBC__ is not yet defined
// and the tuning would silently vanish.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace faktorlupe {

void keepHeapsSmall() {
#if defined(__GLIBC__)
    // A main thread and a worker.
    mallopt(M_ARENA_MAX, 2);
    // A pasted megabyte and its text layout.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}

} // namespace faktorlupe
