#include "heap.h"

#include <cstdlib>  // defines __GLIBC__ on the C library that has it

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zentrava {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
    // Setting either turns off the library's own adjustment of both.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

}  // namespace zentrava
