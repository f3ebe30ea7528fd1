#pragma once

namespace wigglepad {

// Tunes the C library's allocator for how this program allocates; call first thing in main,
// before any thread starts. Every frame is painted on a pool thread, and the image caches make
// and drop hundreds of images a second there. By default each pool thread gets an arena of its
// own, and once a large image has been freed the allocator raises its threshold and serves the
// large ones from the arenas too: freed space scattered over several arenas, and the resident
// memory crept upwards for as long as the child played. One arena (the threads take turns: the
// main thread waits while the pool paints) and every image over 128 KiB in a mapping of its own,
// given back when freed, keep it level.
void keepTheHeapCompact();

} // namespace wigglepad
