// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#ifndef RUVELLO_H
#define RUVELLO_H

#include "scenario/tovane.h"

// The story of the cherry tree on the summit. It rewrites every record the base story wrote.
class Ruvello : public Tovane
{
public:
    Ruvello();
    ~Ruvello() override;

protected:
    void loadScript() override;
};

#endif // RUVELLO_H
