// How KVT's programs ask the allocator to treat freed records.
#pragma once

namespace kvt {

// Keeps freed memory in the process for the next record instead of handing it back to the system at
// once. A record is many trace-sized blocks; by default glibc returns them when the record is freed,
// and the next open pays a page fault for every 4 KiB of it, which costs far more than reading the
// file. Call once at the start of a program.
void KeepFreedMemory();

} // namespace kvt
