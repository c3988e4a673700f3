// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

class QPainter;
class QRect;
struct ScenarioRecord;

// How the reading page draws a record: the background, the wolf and the
// bride, the translucent text box and the line in it. The page paints with
// these and nothing else, and the benchmarks time these same functions.
// Each picture is decoded just before it is drawn and dropped after it, so
// nothing is held between paints. A null record draws a black page with an
// empty text box.
namespace PagePainter {

// The whole page: pictures(), then textBox().
void paint(QPainter *painter, const ScenarioRecord *record, const QRect &page);

// The background (black where the record names none) and the figures.
void pictures(QPainter *painter, const ScenarioRecord *record, const QRect &page);

// The box over the lower part of the page, and the record's line in it.
void textBox(QPainter *painter, const ScenarioRecord *record);

} // namespace PagePainter
