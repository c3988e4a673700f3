// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include <thread>

// The pages ask for three Japanese font families by name. Where the system
// lacks one, it is mapped to a free font of the same character, with the
// handwriting font carried by the program as the last resort, so that the
// stories always show real Japanese glyphs.
namespace FontSetup {

inline constexpr char bundledFontPath[] = ":/font/font/azuki.ttf";

struct Substitution
{
    QString requested;
    QStringList substitutes; // the bundled font's family is appended to these
};

// The families the pages request and the free fonts that stand in for them.
QList<Substitution> substitutions();

// Registers the bundled font and installs the substitutions. Returns the
// bundled font's family, or an empty string when the font is not there.
QString install();

// Reads the system's font configuration (fontconfig's files and caches) on a
// thread of its own, the longest part of setting up fonts, which needs no
// application object: made first thing in main(), it runs beside the
// QApplication's own set-up. wait() before anything uses a font; the
// destructor waits too. Where fonts are not configured by fontconfig, it does
// nothing.
class Preload
{
public:
    Preload();
    ~Preload();
    Preload(const Preload &) = delete;
    Preload &operator=(const Preload &) = delete;

    void wait();

private:
    std::thread m_thread;
};

} // namespace FontSetup
