// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "buttonstyle.h"
#include "widgetkitwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setStyle(new ButtonStyle);
    WidgetKitWindow window;
    window.resize(560, 360);
    window.show();
    return app.exec();
}
