#include "MemoryPolicy.h"

#include <malloc.h>

namespace kvt {

void KeepFreedMemory() {
    // Blocks up to 32 MiB (a trace of 8 million samples) come from the heap, and up to 256 MiB of
    // freed heap stays mapped.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

} // namespace kvt
