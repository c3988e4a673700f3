// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "buttonstyle.h"
#include "widgetkitwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Shows every widget of the widget kit at work."));
    parser.addHelpOption();
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QApplication::translate("main",
                                "Writes pictures of the window and of each widget "
                                "into <dir>, then quits."),
        QStringLiteral("dir"));
    parser.addOption(screenshots);
    parser.process(app);

    app.setStyle(new ButtonStyle);
    WidgetKitWindow window;
    window.resize(560, 360);
    window.show();
    if (parser.isSet(screenshots)) {
        const QString dir = parser.value(screenshots);
        QTimer::singleShot(0, &window,
                           [&app, &window, dir] { app.exit(window.saveScreenshots(dir) ? 0 : 1); });
    }
    return app.exec();
}
