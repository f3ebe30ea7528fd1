#include "KeepTheHeapCompact.h"

#include <malloc.h>

namespace wigglepad {

void keepTheHeapCompact() {
    mallopt(M_ARENA_MAX, 1);
    // Set, the threshold stays where it is: the default value, no longer raised on every free.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

} // namespace wigglepad
