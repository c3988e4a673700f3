// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIconEngine>

// The widget box icon of one kit widget, drawn as a small picture of the
// widget itself, so that it is sharp at every size and pixel density and
// needs no image format plugin.
class KitWidgetIcon : public QIconEngine
{
public:
    enum Kind { PushButton, ToolButton, ClickableLabel, ClickToEdit, ComboBox };

    explicit KitWidgetIcon(Kind kind);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;

private:
    Kind m_kind;
};
