// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#ifndef CP932_H
#define CP932_H

#include <QByteArrayView>
#include <QString>

// The story lines and the speaker names are CP932 (Shift-JIS) bytes. Everything that shows them
// decodes them here, with a fixed CP932 decoder, so they read the same whatever the locale is.
QString fromCp932(QByteArrayView bytes);

// A stored line holds its bytes one per character; this gives the text a reader sees.
QString displayText(const QString &stored);

#endif // CP932_H
