// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// The floor the reader's start-up and memory are measured against: the least
// a Qt Widgets program does to show the title picture. One 800 x 600 window
// with the picture in it, compiled in as the reader's is, and nothing else:
// no fonts of its own, no sound, no other page.

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(800, 600);
    window.setPixmap(QPixmap(QStringLiteral(":/page/pict/page/title.png")));
    window.show();
    return app.exec();
}
