#pragma once

namespace tw::platform {

// Gives the memory that start-up allocated and freed again back to the system. The C library keeps freed
// blocks for later allocations; after start-up (fonts, styles, the settings file, the first paint) most of
// them are not needed again, but they would stay in the process's resident memory. Nothing where the C
// library offers no way to do it.
void ReleaseFreedMemory();

} // namespace tw::platform
