// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "widgets/picturebookwidgets_export.h"

#include <QLabel>

#include <memory>

class ClickableLabelPrivate;

// A label that answers the left mouse button like a button: presses,
// releases and completed clicks inside it are reported with the label's
// value, so that many labels can share one receiver and still be told
// apart. Dragging out of the label during a press reports a release, and
// coming back reports a press again. Everything else is QLabel's.
class PICTUREBOOK_WIDGETS_EXPORT ClickableLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)

public:
    explicit ClickableLabel(QWidget *parent = nullptr, Qt::WindowFlags f = {});
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr,
                            Qt::WindowFlags f = {});
    ~ClickableLabel() override;

    int value() const;
    void setValue(int value);

signals:
    void clicked(int value = 0);
    void pressed(int value = 0);
    void released(int value = 0);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // Decides what counts as inside the label; subclasses may narrow the
    // clickable area to the shape they draw.
    virtual bool hitLabel(const QPoint &pos) const;

private:
    std::unique_ptr<ClickableLabelPrivate> const d;
};
