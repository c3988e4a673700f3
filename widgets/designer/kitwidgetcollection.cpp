// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "kitwidgetcollection.h"

#include "kitwidgeticon.h"
#include "kitwidgetplugin.h"

#include "widgets/clickablelabel.h"
#include "widgets/clicktoedit.h"
#include "widgets/combobox.h"
#include "widgets/pushbutton.h"
#include "widgets/toolbutton.h"

namespace {

// A new widget as Designer drops it onto a form: its size, and a text where
// the widget shows one.
QString widgetXml(const QString &className, int width, int height, const QString &text = QString())
{
    QString xml = QStringLiteral("<ui language=\"c++\">"
                                 "<widget class=\"%1\" name=\"%2\">"
                                 "<property name=\"geometry\"><rect><x>0</x><y>0</y>"
                                 "<width>%3</width><height>%4</height></rect></property>")
                      .arg(className, className.left(1).toLower() + className.mid(1))
                      .arg(width)
                      .arg(height);
    if (!text.isEmpty()) {
        xml += QStringLiteral("<property name=\"text\"><string>%1</string></property>")
                   .arg(text.toHtmlEscaped());
    }
    return xml + QStringLiteral("</widget></ui>");
}

template<typename Widget> KitWidgetPlugin::Factory factory()
{
    return [](QWidget *parent) -> QWidget * { return new Widget(parent); };
}

} // namespace

KitWidgetCollection::KitWidgetCollection(QObject *parent)
    : QObject(parent)
{
    const auto add
        = [this](const QString &name, KitWidgetIcon::Kind icon, const QString &toolTip,
                 const QString &whatsThis, const QString &domXml, KitWidgetPlugin::Factory create) {
              m_widgets.push_back(std::make_unique<KitWidgetPlugin>(
                  name, KitWidgetIcon::icon(icon), toolTip, whatsThis, domXml, std::move(create)));
          };

    add(QStringLiteral("PushButton"), KitWidgetIcon::PushButton,
        tr("Push button carrying brushes for its faces"),
        tr("A QPushButton that carries five brushes, for its raised and sunken faces, active "
           "and disabled, and for its focus frame, as properties a style can read by name. "
           "It paints and behaves exactly like a QPushButton."),
        widgetXml(QStringLiteral("PushButton"), 120, 32, QStringLiteral("PushButton")),
        factory<PushButton>());
    add(QStringLiteral("ToolButton"), KitWidgetIcon::ToolButton,
        tr("Tool button carrying brushes for its faces"),
        tr("A QToolButton that carries five brushes, for its raised and sunken faces, active "
           "and disabled, and for its focus frame, as properties a style can read by name. "
           "It paints and behaves exactly like a QToolButton."),
        widgetXml(QStringLiteral("ToolButton"), 32, 32, QStringLiteral("...")),
        factory<ToolButton>());
    add(QStringLiteral("ClickableLabel"), KitWidgetIcon::ClickableLabel,
        tr("Label that reports clicks with its value"),
        tr("A QLabel that answers the left mouse button like a button: pressed, released and "
           "clicked are emitted with the label's value, so that many labels can share one "
           "receiver."),
        widgetXml(QStringLiteral("ClickableLabel"), 120, 24, QStringLiteral("ClickableLabel")),
        factory<ClickableLabel>());
    add(QStringLiteral("ClickToEdit"), KitWidgetIcon::ClickToEdit,
        tr("Line edit entered only by a completed click or Tab"),
        tr("A QLineEdit that takes the focus only from a completed click or the Tab key, so "
           "that a press or a drag never moves its cursor, and that colours its text and "
           "background by state: normal, disabled and focused."),
        widgetXml(QStringLiteral("ClickToEdit"), 160, 24), factory<ClickToEdit>());
    add(QStringLiteral("ComboBox"), KitWidgetIcon::ComboBox,
        tr("Combo box whose entries share one size and font"),
        tr("A QComboBox whose entries all share one item size and one item font, entries "
           "added later included; its size hint fits the tallest entry text."),
        widgetXml(QStringLiteral("ComboBox"), 120, 26), factory<ComboBox>());
}

KitWidgetCollection::~KitWidgetCollection() = default;

QList<QDesignerCustomWidgetInterface *> KitWidgetCollection::customWidgets() const
{
    QList<QDesignerCustomWidgetInterface *> widgets;
    for (const auto &widget : m_widgets)
        widgets.append(widget.get());
    return widgets;
}
