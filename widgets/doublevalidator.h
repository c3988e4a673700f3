// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "widgets/picturebookwidgets_export.h"

#include <QString>
#include <QValidator>

#include <memory>

class DoubleValidatorPrivate;

// Restricts the QLineEdit it is created in to one decimal number between
// bottom and top with at most `decimals` digits after the point, while
// letting the user type every beginning of such a number. When the field
// holds no number it shows a placeholder, the default text, which acts as a
// single unit: the cursor always stands behind it, the arrow keys cannot
// move into it, one Backspace erases it whole and a character typed before or
// behind it replaces it. Return, Enter and focus loss rewrite the field to
// the number in fixed notation, or back to the placeholder.
//
// The validator watches its parent's events; the owner still has to hand it
// to the line edit with QLineEdit::setValidator.
class PICTUREBOOK_WIDGETS_EXPORT DoubleValidator : public QValidator
{
    Q_OBJECT
    Q_PROPERTY(double bottom READ bottom WRITE setBottom)
    Q_PROPERTY(double top READ top WRITE setTop)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(QString defaultText READ defaultText WRITE setDefaultText)

public:
    explicit DoubleValidator(QObject *parent = nullptr);
    // The values are taken as they are, unchecked.
    DoubleValidator(double bottom, double top, int decimals, QObject *parent = nullptr);
    ~DoubleValidator() override;

    void setRange(double bottom, double top, int decimals);
    void setBottom(double value);
    void setTop(double value);
    void setDecimals(int value);
    // The placeholder may hold neither digits nor a point, so that it can
    // never be mistaken for the beginning of a number.
    void setDefaultText(const QString &text);

    double bottom() const;
    double top() const;
    int decimals() const;
    QString defaultText() const;

    bool eventFilter(QObject *watched, QEvent *event) override;
    State validate(QString &input, int &pos) const override;

private:
    std::unique_ptr<DoubleValidatorPrivate> const d;
};
