// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "widgets/picturebookwidgets_export.h"

#include <QBrush>
#include <QLineEdit>

#include <memory>

class ClickToEditPrivate;

// A line edit that is entered only by a completed click or through the Tab
// chain. Until it has the focus, presses and drags never reach the line
// edit, so they cannot move the cursor or select text; a completed click
// focuses the field with the cursor where the click was. The field colours
// its text and background by state: normal, disabled and focused (by default
// the focused pair is the normal pair swapped).
class PICTUREBOOK_WIDGETS_EXPORT ClickToEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QBrush activeTextBrush READ activeTextBrush WRITE setActiveTextBrush)
    Q_PROPERTY(QBrush activeBaseBrush READ activeBaseBrush WRITE setActiveBaseBrush)
    Q_PROPERTY(QBrush disabledTextBrush READ disabledTextBrush WRITE setDisabledTextBrush)
    Q_PROPERTY(QBrush disabledBaseBrush READ disabledBaseBrush WRITE setDisabledBaseBrush)
    Q_PROPERTY(QBrush focusTextBrush READ focusTextBrush WRITE setFocusTextBrush)
    Q_PROPERTY(QBrush focusBaseBrush READ focusBaseBrush WRITE setFocusBaseBrush)
    Q_PROPERTY(QBrush focusFrameBrush READ focusFrameBrush WRITE setFocusFrameBrush)

public:
    explicit ClickToEdit(QWidget *parent = nullptr);
    explicit ClickToEdit(const QString &text, QWidget *parent = nullptr);
    ~ClickToEdit() override;

    const QBrush &activeTextBrush() const;
    const QBrush &activeBaseBrush() const;
    const QBrush &disabledTextBrush() const;
    const QBrush &disabledBaseBrush() const;
    const QBrush &focusTextBrush() const;
    const QBrush &focusBaseBrush() const;
    // Kept for the owner's own focus frame; the field itself never draws it.
    const QBrush &focusFrameBrush() const;

    // A changed brush shows from the next focus or enabled-state change on.
    void setActiveTextBrush(const QBrush &brush);
    void setActiveBaseBrush(const QBrush &brush);
    void setDisabledTextBrush(const QBrush &brush);
    void setDisabledBaseBrush(const QBrush &brush);
    void setFocusTextBrush(const QBrush &brush);
    void setFocusBaseBrush(const QBrush &brush);
    void setFocusFrameBrush(const QBrush &brush);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // focus tells whether the field already had the focus when the press began.
    void clicked(bool focus = false);
    void pressed(bool focus = false);
    void released(bool focus = false);

protected:
    // Decides what counts as inside the field; subclasses may override it.
    virtual bool hitField(const QPoint &pos) const;

private:
    void init();
    void applyColours();
    void storeBrush(QBrush &stored, const QBrush &brush);
    bool mousePress(QMouseEvent *event);
    bool mouseMove(QMouseEvent *event);
    bool mouseRelease(QMouseEvent *event);
    bool notFocused() const;

    std::unique_ptr<ClickToEditPrivate> const d;
};
