// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#ifndef SPEAKERNAMES_H
#define SPEAKERNAMES_H

// The names the name box shows for the bride and the wolf: NUL-terminated CP932 bytes, decoded
// with fromCp932() like the story lines.
extern const char brideName[];
extern const char wolfName[];

#endif // SPEAKERNAMES_H
