// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

class QLabel;

// Gives a picture label its picture only while the label is on the screen:
// decoded when the label is shown (or first drawn off the screen), released
// when it is hidden. A page that has not been opened yet, or has been left,
// holds no decoded picture, and the label shows the very pixels it would show
// holding the picture for good.
class ShownPicture : public QObject
{
    Q_OBJECT

public:
    // The label owns what this attaches.
    static void attach(QLabel *label, const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ShownPicture(QLabel *label, const QString &path);

    QString m_path;
};
