#pragma once

namespace faktorlupe {

// Tunes glibc's allocator for a desktop program with a few threads and the odd huge paste: two
// heaps in all, not eight a core that each reserve 64 MB of address space (under `ulimit -v` Qt's
// own threads could otherwise no longer start, leaving a black window); and blocks from a
// megabyte up mapped on their own and given back when freed, where by default glibc would keep
// later ones in its heap after the first is freed. What the program really uses stays the same.
// Call it first in main(), before any thread starts. Does nothing without glibc.
void keepHeapsSmall();

} // namespace faktorlupe
