#include "platform/qt/FreedMemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tw::platform {

void ReleaseFreedMemory()
{
#ifdef __GLIBC__
    // Whether anything could be given back does not matter to the caller.
    (void)malloc_trim(0);
#endif
}

} // namespace tw::platform
