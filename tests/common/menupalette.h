// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMetaEnum>
#include <QPalette>
#include <QTest>
#include <QWidget>

// The menu pages colour every role solidly with the shades that QPalette
// derives from one base colour: black text, white lights and text fields, and
// text in the dark shade when disabled.
inline void verifyMenuPalette(const QWidget &page, const QColor &base)
{
    const QPalette expected(base);
    const QPalette::ColorRole roles[] = {
        QPalette::WindowText,    QPalette::Button,      QPalette::Light,       QPalette::Midlight,
        QPalette::Dark,          QPalette::Mid,         QPalette::Text,        QPalette::BrightText,
        QPalette::ButtonText,    QPalette::Base,        QPalette::Window,      QPalette::Shadow,
        QPalette::AlternateBase, QPalette::ToolTipBase, QPalette::ToolTipText,
    };
    for (QPalette::ColorGroup group :
         { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        for (QPalette::ColorRole role : roles) {
            const QBrush brush = page.palette().brush(group, role);
            const QString where
                = QStringLiteral("group %1 %2: %3, expected %4")
                      .arg(group)
                      .arg(QLatin1String(
                          QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role)))
                      .arg(brush.color().name(), expected.color(group, role).name());
            QVERIFY2(brush.style() == Qt::SolidPattern, qPrintable(where));
            QVERIFY2(brush.color().rgba() == expected.color(group, role).rgba(), qPrintable(where));
        }
    }
}
