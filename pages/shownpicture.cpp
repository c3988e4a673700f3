// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "pages/shownpicture.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace {

// Decoded for the label alone: a pixmap loaded by its file name would also
// stay in Qt's pixmap cache after the label has let go of it.
QPixmap decoded(const QString &path)
{
    return QPixmap::fromImage(QImage(path));
}

} // namespace

void ShownPicture::attach(QLabel *label, const QString &path)
{
    auto *picture = new ShownPicture(label, path);
    // Attached to a label already on the screen.
    if (label->isVisible())
        label->setPixmap(decoded(path));
    label->installEventFilter(picture);
}

ShownPicture::ShownPicture(QLabel *label, const QString &path)
    : QObject(label)
    , m_path(path)
{
}

bool ShownPicture::eventFilter(QObject *watched, QEvent *event)
{
    // Show comes before the label's first paint on the screen, Hide after
    // its last. A page drawn without being shown (QWidget::grab) is painted
    // with no Show: its picture comes with that paint and stays until the
    // label is next shown and hidden.
    auto *label = static_cast<QLabel *>(watched);
    if (event->type() == QEvent::Show
        || (event->type() == QEvent::Paint && label->pixmap().isNull()))
        label->setPixmap(decoded(m_path));
    else if (event->type() == QEvent::Hide)
        label->setPixmap(QPixmap());
    return QObject::eventFilter(watched, event);
}
