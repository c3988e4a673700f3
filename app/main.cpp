// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/fontsetup.h"
#include "app/mainwindow.h"
#include "app/translations.h"

#include <QApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // The reading page decodes each picture for the paint that draws it and
    // frees it after (a background is 1.8 MiB). By default glibc raises the
    // size from which a block gets a mapping of its own to that of each such
    // block freed, so from the second picture on they all come from the heap,
    // which then keeps twice that much free for good. A fixed threshold gives
    // every picture its own mapping, returned to the system when it is freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    // Reading the font configuration is the longest step of setting up the
    // fonts, and needs no application object: it runs beside the
    // application's own set-up.
    FontSetup::Preload fonts;
    QApplication app(argc, argv);
    fonts.wait();
    FontSetup::install();
    Translations::install();

    MainWindow window;
    window.show();
    return app.exec();
}
