// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/clicktoedit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

class ClickToEditPrivate
{
public:
    bool pressedInside = false;
    bool focusAtPress = false;
    bool pointerInside = false;
    QBrush activeTextBrush;
    QBrush activeBaseBrush;
    QBrush disabledTextBrush;
    QBrush disabledBaseBrush;
    QBrush focusTextBrush;
    QBrush focusBaseBrush;
    QBrush focusFrameBrush;
};

ClickToEdit::ClickToEdit(QWidget *parent)
    : QLineEdit(parent)
    , d(std::make_unique<ClickToEditPrivate>())
{
    init();
}

ClickToEdit::ClickToEdit(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
    , d(std::make_unique<ClickToEditPrivate>())
{
    init();
}

ClickToEdit::~ClickToEdit() = default;

void ClickToEdit::init()
{
    d->pressedInside = false;
    d->pointerInside = false;

    const QPalette &pal = palette();
    d->activeTextBrush = pal.brush(QPalette::Current, QPalette::Text);
    d->activeBaseBrush = pal.brush(QPalette::Current, QPalette::Base);
    d->disabledTextBrush = pal.brush(QPalette::Disabled, QPalette::Text);
    d->disabledBaseBrush = pal.brush(QPalette::Disabled, QPalette::Base);
    d->focusTextBrush = pal.brush(QPalette::Current, QPalette::Base);
    d->focusBaseBrush = pal.brush(QPalette::Current, QPalette::Text);
    d->focusFrameBrush = pal.brush(QPalette::Current, QPalette::WindowText);

    // The toolkit must never focus the field on a press: only a completed
    // click (or Tab) may.
    setFocusPolicy(Qt::TabFocus);
    installEventFilter(this);
}

const QBrush &ClickToEdit::activeTextBrush() const
{
    return d->activeTextBrush;
}

const QBrush &ClickToEdit::activeBaseBrush() const
{
    return d->activeBaseBrush;
}

const QBrush &ClickToEdit::disabledTextBrush() const
{
    return d->disabledTextBrush;
}

const QBrush &ClickToEdit::disabledBaseBrush() const
{
    return d->disabledBaseBrush;
}

const QBrush &ClickToEdit::focusTextBrush() const
{
    return d->focusTextBrush;
}

const QBrush &ClickToEdit::focusBaseBrush() const
{
    return d->focusBaseBrush;
}

const QBrush &ClickToEdit::focusFrameBrush() const
{
    return d->focusFrameBrush;
}

void ClickToEdit::setActiveTextBrush(const QBrush &brush)
{
    storeBrush(d->activeTextBrush, brush);
}

void ClickToEdit::setActiveBaseBrush(const QBrush &brush)
{
    storeBrush(d->activeBaseBrush, brush);
}

void ClickToEdit::setDisabledTextBrush(const QBrush &brush)
{
    storeBrush(d->disabledTextBrush, brush);
}

void ClickToEdit::setDisabledBaseBrush(const QBrush &brush)
{
    storeBrush(d->disabledBaseBrush, brush);
}

void ClickToEdit::setFocusTextBrush(const QBrush &brush)
{
    storeBrush(d->focusTextBrush, brush);
}

void ClickToEdit::setFocusBaseBrush(const QBrush &brush)
{
    storeBrush(d->focusBaseBrush, brush);
}

void ClickToEdit::setFocusFrameBrush(const QBrush &brush)
{
    storeBrush(d->focusFrameBrush, brush);
}

void ClickToEdit::storeBrush(QBrush &stored, const QBrush &brush)
{
    if (stored == brush)
        return;
    stored = brush;
    update();
}

bool ClickToEdit::hitField(const QPoint &pos) const
{
    return QRect(0, 0, width(), height()).contains(pos, false);
}

void ClickToEdit::applyColours()
{
    QPalette pal = palette();
    if (hasFocus()) {
        pal.setBrush(QPalette::All, QPalette::Text, d->focusTextBrush);
        pal.setBrush(QPalette::All, QPalette::Base, d->focusBaseBrush);
    } else if (!isEnabled()) {
        pal.setBrush(QPalette::All, QPalette::Text, d->disabledTextBrush);
        pal.setBrush(QPalette::All, QPalette::Base, d->disabledBaseBrush);
    } else {
        pal.setBrush(QPalette::All, QPalette::Text, d->activeTextBrush);
        pal.setBrush(QPalette::All, QPalette::Base, d->activeBaseBrush);
    }
    setPalette(pal);
}

bool ClickToEdit::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        applyColours();
        return false;
    case QEvent::ContextMenu:
        // A right click while the left button holds a press must not pop up
        // the menu over a click that is still being made.
        return d->pressedInside;
    case QEvent::MouseButtonPress:
        return mousePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        return mouseRelease(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return mouseMove(static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

// Mouse events reach the line edit only once the field has the focus.
bool ClickToEdit::notFocused() const
{
    return QApplication::focusWidget() != this;
}

bool ClickToEdit::mousePress(QMouseEvent *event)
{
    if (!isEnabled())
        return false;
    if (event->button() == Qt::LeftButton && hitField(event->position().toPoint())) {
        d->pressedInside = true;
        d->focusAtPress = QApplication::focusWidget() == this;
        d->pointerInside = true;
        emit pressed(d->focusAtPress);
    }
    return notFocused();
}

bool ClickToEdit::mouseMove(QMouseEvent *event)
{
    if (!isEnabled())
        return false;
    if (d->pressedInside) {
        const bool inside = hitField(event->position().toPoint());
        if (inside != d->pointerInside) {
            d->pointerInside = inside;
            if (inside)
                emit pressed(d->focusAtPress);
            else
                emit released(d->focusAtPress);
        }
    }
    return notFocused();
}

bool ClickToEdit::mouseRelease(QMouseEvent *event)
{
    if (!isEnabled() || !d->pressedInside || event->button() != Qt::LeftButton)
        return false;
    if (hitField(event->position().toPoint())) {
        if (QApplication::focusWidget() != this) {
            // The real press was kept from the line edit; replay it at the
            // release so the cursor lands where the user clicked.
            QMouseEvent press(QEvent::MouseButtonPress, event->position(),
                              event->globalPosition(), event->button(), event->buttons(),
                              event->modifiers());
            QLineEdit::mousePressEvent(&press);
            setFocus(Qt::OtherFocusReason);
        }
        emit released(d->focusAtPress);
        emit clicked(d->focusAtPress);
    }
    d->pressedInside = false;
    d->focusAtPress = false;
    d->pointerInside = false;
    return notFocused();
}
