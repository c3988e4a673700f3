// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// One line of a story as a screen reader meets it: a read-only text object
// inside the reading page, named with the line and labelled by the name box
// while that shows the speaker's name. The page paints the line itself, so
// there is no widget to stand for it; the page makes a fresh one for each line
// it shows and gives it the screen reader's focus, which screen readers speak
// at once. The keyboard focus stays on "Next".
class LineAccessible : public QAccessibleInterface
{
public:
    LineAccessible(QWidget *page, const QRect &box, const QString &line, QLabel *speaker);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<QWidget> page;
    QRect box;
    QString line;
    QPointer<QLabel> speaker;
};
