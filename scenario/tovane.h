// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#ifndef TOVANE_H
#define TOVANE_H

#include <QString>
#include <QtGlobal>

// One page of a story: the pictures to show, whose name to put up, and the line itself. A field
// is -1 where a figure is off stage. Records that no script writes keep these zeroes.
struct ScenarioRecord
{
    qint32 background = 0;
    qint32 speaker = 0;
    qint32 brideFace = 0;
    qint32 wolfFace = 0;
    QString text; // CP932 bytes, one byte per character
};

// A whole story as a fixed table of records, filled by the constructor and only read afterwards.
// This class holds the story of the wolf's wedding night; Ruvello and Sorinda write their own
// stories over it. Each constructor calls loadScript(), and a virtual call from a constructor
// reaches the version of the class being built, so a derived object first holds this story and
// then its own: a shorter story leaves this one's later records in place past its count.
class Tovane
{
public:
    Tovane();
    virtual ~Tovane();
    Tovane(const Tovane &) = delete;
    Tovane &operator=(const Tovane &) = delete;

    void setRecord(int index, int background, int speaker, int brideFace, int wolfFace,
                   const QString &text);

    ScenarioRecord records[100];
    qint32 count;

protected:
    virtual void loadScript();
};

#endif // TOVANE_H
