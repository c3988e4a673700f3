// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/fontsetup.h"
#include "app/mainwindow.h"
#include "app/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Beside the application's own set-up.
    FontSetup::Preload fonts;
    QApplication app(argc, argv);
    fonts.wait();
    FontSetup::install();
    Translations::install();

    MainWindow window;
    window.show();
    return app.exec();
}
