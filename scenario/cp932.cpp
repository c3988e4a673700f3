// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "scenario/cp932.h"

#include <QStringDecoder>

QString fromCp932(QByteArrayView bytes)
{
    QStringDecoder decoder("CP932");
    // A Qt built without ICU knows no CP932 by name; the local 8-bit codec is then the best guess,
    // and on a Japanese Windows it is CP932.
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    return decoder.decode(bytes);
}

QString displayText(const QString &stored)
{
    return fromCp932(stored.toLatin1());
}
