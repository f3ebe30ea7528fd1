#pragma once

namespace wigglepad {

// Tunes the C library's allocator for how this program allocates; call first thing in main,
// before any thread starts. Every frame is painted on a pool thread, and the image caches make
// and drop hundreds of images a second there. By default each pool thread gets an arena of its
// own, and once a large image has been freed the allocator raises its threshold and serves the
// large ones from the arenas too: freed space scattered over several arenas, and the resident
// memory crept upwards for as long as the child played. One arena (the threads take turns: the
// main thread waits while the pool paints) and every block over 1 MiB (the largest images) in a
// mapping of its own, given back when freed, keep it level. Below that stay the painter's own
// per-frame buffers (a repainted region's clip spans alone are several hundred KiB at 1080p):
// mapped afresh every frame they cost page faults and about a tenth of the process's time.
void keepTheHeapCompact();

} // namespace wigglepad
