// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "buttonstyle.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QStyleOption>
#include <QVariant>
#include <QWidget>

ButtonStyle::ButtonStyle(QStyle *style)
    : QProxyStyle(style)
{
}

namespace {

bool carriesBrushes(const QWidget *widget)
{
    return widget && widget->property("activeRaisedBrush").canConvert<QBrush>();
}

} // namespace

void ButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    const bool panel = element == PE_PanelButtonCommand || element == PE_PanelButtonTool;
    if (!panel || !carriesBrushes(widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }

    //! [brushes]
    const bool enabled = option->state & State_Enabled;
    const bool sunken = option->state & (State_Sunken | State_On);
    const char *face = enabled ? (sunken ? "activeSunkenBrush" : "activeRaisedBrush")
                               : (sunken ? "disabledSunkenBrush" : "disabledRaisedBrush");
    const QBrush faceBrush = widget->property(face).value<QBrush>();
    //! [brushes]

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF rect = QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5);
    painter->setPen(QPen(option->palette.color(QPalette::Shadow), 1));
    painter->setBrush(faceBrush);
    painter->drawRoundedRect(rect, 5, 5);
    if (option->state & State_HasFocus) {
        painter->setPen(QPen(widget->property("focusFrameBrush").value<QBrush>(), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(rect.adjusted(2, 2, -2, -2), 3, 3);
    }
    painter->restore();
}

QSize ButtonStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                    const QSize &size, const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    // Room for the rounded face and the focus frame around the label.
    if ((type == CT_PushButton || type == CT_ToolButton) && carriesBrushes(widget))
        result += QSize(16, 10);
    return result;
}
