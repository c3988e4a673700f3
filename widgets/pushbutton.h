// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "widgets/picturebookwidgets_export.h"

#include <QBrush>
#include <QPushButton>

#include <memory>

class PushButtonPrivate;

// A push button that carries the brushes for its raised and sunken faces,
// active and disabled, and for its focus frame, so that a style sheet or a
// custom style can read them by property name. The button paints and behaves
// exactly like a QPushButton; changing a brush only schedules a repaint.
class PICTUREBOOK_WIDGETS_EXPORT PushButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QBrush activeRaisedBrush READ activeRaisedBrush WRITE setActiveRaisedBrush)
    Q_PROPERTY(QBrush activeSunkenBrush READ activeSunkenBrush WRITE setActiveSunkenBrush)
    Q_PROPERTY(QBrush disabledRaisedBrush READ disabledRaisedBrush WRITE setDisabledRaisedBrush)
    Q_PROPERTY(QBrush disabledSunkenBrush READ disabledSunkenBrush WRITE setDisabledSunkenBrush)
    Q_PROPERTY(QBrush focusFrameBrush READ focusFrameBrush WRITE setFocusFrameBrush)

public:
    explicit PushButton(QWidget *parent = nullptr);
    explicit PushButton(const QString &text, QWidget *parent = nullptr);
    PushButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    ~PushButton() override;

    /*! \name Brushes */
    /*! @{ */
    //! Each getter returns the brush property of its name; each setter sets it
    //! and repaints the button when the brush differs from the current one.
    const QBrush &activeRaisedBrush() const;
    const QBrush &activeSunkenBrush() const;
    const QBrush &disabledRaisedBrush() const;
    const QBrush &disabledSunkenBrush() const;
    const QBrush &focusFrameBrush() const;

    void setActiveRaisedBrush(const QBrush &brush);
    void setActiveSunkenBrush(const QBrush &brush);
    void setDisabledRaisedBrush(const QBrush &brush);
    void setDisabledSunkenBrush(const QBrush &brush);
    void setFocusFrameBrush(const QBrush &brush);
    /*! @} */

private:
    std::unique_ptr<PushButtonPrivate> const d;
};
