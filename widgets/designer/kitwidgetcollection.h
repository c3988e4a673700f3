// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDesignerCustomWidgetCollectionInterface>
#include <QObject>

#include <memory>
#include <vector>

class KitWidgetPlugin;

// The Qt Designer plugin of the widget kit: offers the kit's widgets in a
// "picturebook" group of the widget box, so that forms can use them and set
// their properties. The decimal-number validator is no widget and Designer
// places only widgets; a form sets it on its line edit in code.
class KitWidgetCollection : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit KitWidgetCollection(QObject *parent = nullptr);
    ~KitWidgetCollection() override;

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

private:
    std::vector<std::unique_ptr<KitWidgetPlugin>> m_widgets;
};
