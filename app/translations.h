// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The window's title and the page's button speak the reader's language where
// the program carries a catalog for it (Japanese, the book's own); otherwise
// they keep the words the forms were written with.
namespace Translations {

// Installs the catalog for the first of the user's UI languages that has one.
// Returns whether one was installed.
bool install();

} // namespace Translations
