// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "novel/pagepainter.h"

#include "novel/pagelayout.h"
#include "scenario/cp932.h"
#include "scenario/tovane.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

namespace {

using PageLayout::textArea;

// Draws a record's line as drawText() with AlignLeft | TextWordWrap does. The
// font that stands in for the pen-script face on other systems may space its
// lines more generously than the box was made for; where that alone would
// push a record's last line out of the box, the lines close up (never nearer
// than their ascent) so that the whole line stays readable. Text that cannot
// fit even then is cut off at the box as usual.
void drawStoryText(QPainter *painter, const QString &text)
{
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    const QFontMetricsF metrics(painter->font(), painter->device());
    if (metrics.boundingRect(QRectF(textArea), flags, text).height() <= textArea.height()) {
        painter->drawText(textArea, flags, text);
        return;
    }

    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines, painter->font(), painter->device());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(textArea.width());
    layout.endLayout();

    const int count = layout.lineCount();
    const qreal step = count > 1 ? (textArea.height() - metrics.height()) / (count - 1) : 0;
    if (count < 2 || step < metrics.ascent()) {
        painter->drawText(textArea, flags, text);
        return;
    }
    for (int i = 0; i < count; ++i)
        layout.lineAt(i).setPosition(QPointF(0, i * step));
    painter->save();
    painter->setClipRect(textArea);
    layout.draw(painter, textArea.topLeft());
    painter->restore();
}

} // namespace

namespace PagePainter {

void paint(QPainter *painter, const ScenarioRecord *record, const QRect &page)
{
    pictures(painter, record, page);
    textBox(painter, record);
}

void pictures(QPainter *painter, const ScenarioRecord *record, const QRect &page)
{
    painter->setRenderHint(QPainter::Antialiasing);
    {
        // Gone before the figures are decoded: one picture at a time.
        const QString path = record ? PageLayout::backgroundPicture(record->background) : QString();
        const QImage background = path.isEmpty() ? QImage() : QImage(path);
        // Without a picture the page would show whatever the window's buffer holds.
        if (background.isNull())
            painter->fillRect(page, Qt::black);
        else
            painter->drawImage(0, 0, background);
    }
    if (!record)
        return;
    for (const PageLayout::Layer &figure :
         PageLayout::figureLayers(record->wolfFace, record->brideFace))
        painter->drawImage(figure.at, QImage(figure.picture));
}

void textBox(QPainter *painter, const ScenarioRecord *record)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setOpacity(PageLayout::textBoxOpacity);
    painter->fillRect(PageLayout::textBox, QBrush(Qt::black, Qt::SolidPattern));

    painter->setFont(QFont(fromCp932(PageLayout::textFontFamily), PageLayout::textPointSize,
                           QFont::Bold));
    painter->setPen(Qt::white);
    painter->setOpacity(1.0);
    if (record)
        drawStoryText(painter, displayText(record->text));
}

} // namespace PagePainter
