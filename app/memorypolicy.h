// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// How the program asks the C library to manage its memory; set once, first
// thing in main(), and by the benchmarks that stand in for the program.
namespace MemoryPolicy {

// The reading page decodes each picture for the paint that draws it and frees
// it after (a background is 1.8 MiB). By default glibc raises the size from
// which a block gets a mapping of its own to that of each such block freed,
// so from the second picture on they all come from the heap, which then keeps
// up to twice that much free for good. A fixed threshold gives every picture
// a mapping of its own, returned to the system as soon as it is freed. Does
// nothing with other C libraries.
void install();

} // namespace MemoryPolicy
