// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// A tiny random generator of our own, so that the pictures come out the same
// on every platform and standard library.
class Dice
{
public:
    explicit Dice(quint32 seed) : state(seed * 2654435761u + 1) { }
    qreal next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (state & 0xffffff) / qreal(0x1000000);
    }
    qreal range(qreal lo, qreal hi) { return lo + (hi - lo) * next(); }

private:
    quint32 state;
};
