// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/memorypolicy.h"

#include <cstdlib> // the C library's own macros, __GLIBC__ among them
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace MemoryPolicy {

void install()
{
#ifdef __GLIBC__
    // Far below any picture, far above the small blocks of everything else.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

} // namespace MemoryPolicy
