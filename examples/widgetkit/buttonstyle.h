// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProxyStyle>

// Paints the faces and the focus frame of push and tool buttons from the
// brushes the kit's buttons carry, read through the property system by name.
// Buttons without those properties are painted by the underlying style.
class ButtonStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit ButtonStyle(QStyle *style = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                       QPainter *painter, const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
};
