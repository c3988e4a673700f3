#pragma once

#include <QColor>
#include <QPalette>
#include <QTest>

// The menu pages colour themselves from one base colour and its lighter and
// darker shades; every role is solid. Adds one data row per colour group and
// role, with the columns "group", "role" and "color".
inline void addMenuPaletteRows(const QColor &base, const QColor &midlight, const QColor &dark,
                               const QColor &mid)
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("color");

    const QColor black(0, 0, 0), white(255, 255, 255), tip(255, 255, 220);
    const struct
    {
        QPalette::ColorRole role;
        const char *name;
        QColor active;
        QColor disabled;
    } rows[] = {
        { QPalette::WindowText, "WindowText", black, dark },
        { QPalette::Button, "Button", base, base },
        { QPalette::Light, "Light", white, white },
        { QPalette::Midlight, "Midlight", midlight, midlight },
        { QPalette::Dark, "Dark", dark, dark },
        { QPalette::Mid, "Mid", mid, mid },
        { QPalette::Text, "Text", black, dark },
        { QPalette::BrightText, "BrightText", white, white },
        { QPalette::ButtonText, "ButtonText", black, dark },
        { QPalette::Base, "Base", white, base },
        { QPalette::Window, "Window", base, base },
        { QPalette::Shadow, "Shadow", black, black },
        { QPalette::AlternateBase, "AlternateBase", midlight, base },
        { QPalette::ToolTipBase, "ToolTipBase", tip, tip },
        { QPalette::ToolTipText, "ToolTipText", black, black },
    };
    for (const auto &row : rows) {
        QTest::addRow("active %s", row.name) << int(QPalette::Active) << int(row.role) << row.active;
        QTest::addRow("inactive %s", row.name) << int(QPalette::Inactive) << int(row.role) << row.active;
        QTest::addRow("disabled %s", row.name) << int(QPalette::Disabled) << int(row.role) << row.disabled;
    }
}

inline void verifyPaletteRow(const QWidget &page)
{
    QFETCH(int, group);
    QFETCH(int, role);
    QFETCH(QColor, color);

    const QBrush brush = page.palette().brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
    QCOMPARE(brush.style(), Qt::SolidPattern);
    QCOMPARE(brush.color(), color);
}
