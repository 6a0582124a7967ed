// How the process keeps the memory it frees.
#pragma once

namespace zentrava {

// Long pages (a menu of 100,000 entries is tens of megabytes of lines) are
// built and freed on every Generate. By default the C library gives the
// freed top of its heap back to the system and maps every large block
// afresh, so the next Generate faults the same memory in again, page by
// page; on virtual machines that can cost more than building the page.
// This keeps up to 64 MB of freed memory for reuse and takes blocks of up
// to 32 MB from the heap. Call once at start-up, before threads start.
void KeepFreedMemoryForReuse();

}  // namespace zentrava
