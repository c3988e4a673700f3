// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT AND CC-BY-4.0

#include "scenario/speakernames.h"

// Compiled with the stories' execution character set, so these literals are CP932 bytes.
const char brideName[] = "小春";
const char wolfName[] = "ギン";
