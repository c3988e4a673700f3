// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "novel/lineaccessible.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

LineAccessible::LineAccessible(QWidget *page, const QRect &box, const QString &line,
                               QLabel *speaker)
    : page(page)
    , box(box)
    , line(line)
    , speaker(speaker)
{
}

bool LineAccessible::isValid() const
{
    return !page.isNull();
}

QObject *LineAccessible::object() const
{
    return nullptr;
}

QWindow *LineAccessible::window() const
{
    return page ? page->window()->windowHandle() : nullptr;
}

// Screen readers say a label before the object it labels: the speaker first.
QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
LineAccessible::relations(QAccessible::Relation match) const
{
    if (!(match & QAccessible::Label) || !speaker || speaker->text().isEmpty())
        return {};
    return { { QAccessible::queryAccessibleInterface(speaker), QAccessible::Label } };
}

QAccessibleInterface *LineAccessible::focusChild() const
{
    return nullptr;
}

QAccessibleInterface *LineAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *LineAccessible::parent() const
{
    return page ? QAccessible::queryAccessibleInterface(page) : nullptr;
}

QAccessibleInterface *LineAccessible::child(int) const
{
    return nullptr;
}

int LineAccessible::childCount() const
{
    return 0;
}

int LineAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QString LineAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? line : QString();
}

void LineAccessible::setText(QAccessible::Text, const QString &) { }

QRect LineAccessible::rect() const
{
    if (!page)
        return QRect();
    return QRect(page->mapToGlobal(box.topLeft()), box.size());
}

QAccessible::Role LineAccessible::role() const
{
    return QAccessible::StaticText;
}

QAccessible::State LineAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.focusable = true;
    // It has the screen reader's focus for as long as the page has the keyboard's.
    state.focused = page && page->isVisible() && page->isAncestorOf(QApplication::focusWidget());
    state.invisible = !page || !page->isVisible();
    return state;
}
