// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDesignerCustomWidgetInterface>
#include <QIcon>

#include <functional>

// What Designer needs to know about one kit widget: its entry in the widget
// box and how to make one. The kit's widgets differ only in these values, so
// one class serves them all.
class KitWidgetPlugin : public QDesignerCustomWidgetInterface
{
public:
    using Factory = std::function<QWidget *(QWidget *parent)>;

    KitWidgetPlugin(const QString &name, const QIcon &icon, const QString &toolTip,
                    const QString &whatsThis, const QString &domXml, Factory factory);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    QString m_name;
    QIcon m_icon;
    QString m_toolTip;
    QString m_whatsThis;
    QString m_domXml;
    Factory m_factory;
    bool m_initialized = false;
};
