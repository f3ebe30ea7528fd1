#include "KeepTheHeapCompact.h"

#include <malloc.h>

namespace wigglepad {

void keepTheHeapCompact() {
    mallopt(M_ARENA_MAX, 1);
    // Set, the thresholds stay where they are, no longer raised on every free. Twice the
    // mapping threshold before the heap is trimmed: a frame's buffers, freed at its end, are not
    // handed back only to be asked for again by the next frame.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    mallopt(M_TRIM_THRESHOLD, 2 << 20);
}

} // namespace wigglepad
