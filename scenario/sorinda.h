// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#ifndef SORINDA_H
#define SORINDA_H

#include "scenario/tovane.h"

// The story of the girl in the snow, forty records long: records 40 to 50 keep the base story's
// lines, and the reader shows record 40 once as it leaves the story.
class Sorinda : public Tovane
{
public:
    Sorinda();
    ~Sorinda() override;

protected:
    void loadScript() override;
};

#endif // SORINDA_H
