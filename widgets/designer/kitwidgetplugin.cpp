// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "kitwidgetplugin.h"

KitWidgetPlugin::KitWidgetPlugin(const QString &name, const QIcon &icon, const QString &toolTip,
                                 const QString &whatsThis, const QString &domXml, Factory factory)
    : m_name(name)
    , m_icon(icon)
    , m_toolTip(toolTip)
    , m_whatsThis(whatsThis)
    , m_domXml(domXml)
    , m_factory(std::move(factory))
{
}

QString KitWidgetPlugin::name() const
{
    return m_name;
}

QString KitWidgetPlugin::group() const
{
    return QStringLiteral("picturebook");
}

QString KitWidgetPlugin::toolTip() const
{
    return m_toolTip;
}

QString KitWidgetPlugin::whatsThis() const
{
    return m_whatsThis;
}

// What uic writes into the generated form code: the same include the kit's
// users write by hand.
QString KitWidgetPlugin::includeFile() const
{
    return QStringLiteral("widgets/%1.h").arg(m_name.toLower());
}

QIcon KitWidgetPlugin::icon() const
{
    return m_icon;
}

bool KitWidgetPlugin::isContainer() const
{
    return false;
}

QWidget *KitWidgetPlugin::createWidget(QWidget *parent)
{
    return m_factory(parent);
}

bool KitWidgetPlugin::isInitialized() const
{
    return m_initialized;
}

void KitWidgetPlugin::initialize(QDesignerFormEditorInterface *core)
{
    Q_UNUSED(core);
    m_initialized = true;
}

QString KitWidgetPlugin::domXml() const
{
    return m_domXml;
}
