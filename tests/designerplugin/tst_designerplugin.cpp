// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include <QDataStream>
#include <QDesignerCustomWidgetCollectionInterface>
#include <QIcon>
#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtTest>

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void createsWidgetWithItsProperties_data();
    void createsWidgetWithItsProperties();
    void showsEachWidgetWithItsOwnIcon_data();
    void showsEachWidgetWithItsOwnIcon();

private:
    QDesignerCustomWidgetInterface *widgetNamed(const QString &name) const;

    QList<QDesignerCustomWidgetInterface *> widgets;
};

void tst_DesignerPlugin::initTestCase()
{
    QPluginLoader loader(QStringLiteral(DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    QVERIFY(collection);
    widgets = collection->customWidgets();
    QStringList names;
    for (const auto *widget : std::as_const(widgets))
        names.append(widget->name());
    QCOMPARE(
        names,
        QStringList({ "PushButton", "ToolButton", "ClickableLabel", "ClickToEdit", "ComboBox" }));
}

QDesignerCustomWidgetInterface *tst_DesignerPlugin::widgetNamed(const QString &name) const
{
    for (auto *widget : widgets) {
        if (widget->name() == name)
            return widget;
    }
    return nullptr;
}

void tst_DesignerPlugin::createsWidgetWithItsProperties_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("PushButton") << "PushButton" << QByteArray("activeRaisedBrush")
                                << QVariant(QBrush(Qt::red, Qt::Dense4Pattern));
    QTest::newRow("ToolButton") << "ToolButton" << QByteArray("focusFrameBrush")
                                << QVariant(QBrush(Qt::blue));
    QTest::newRow("ClickableLabel") << "ClickableLabel" << QByteArray("value") << QVariant(7);
    QTest::newRow("ClickToEdit") << "ClickToEdit" << QByteArray("focusBaseBrush")
                                 << QVariant(QBrush(Qt::green));
    // Its item size and font are set in code; Designer has only QComboBox's
    // own properties to offer.
    QTest::newRow("ComboBox") << "ComboBox" << QByteArray() << QVariant();
}

void tst_DesignerPlugin::createsWidgetWithItsProperties()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);

    QDesignerCustomWidgetInterface *plugin = widgetNamed(name);
    QVERIFY(plugin);
    QCOMPARE(plugin->group(), QStringLiteral("picturebook"));
    QCOMPARE(plugin->includeFile(), QStringLiteral("widgets/%1.h").arg(name.toLower()));
    QVERIFY(!plugin->isContainer());

    // Designer drops what the widget box's XML describes: one widget of this class.
    QXmlStreamReader xml(plugin->domXml());
    while (xml.readNextStartElement() && xml.name() != QLatin1String("widget")) { }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(xml.attributes().value(QLatin1String("class")).toString(), name);

    QWidget form;
    QWidget *widget = plugin->createWidget(&form);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    QCOMPARE(widget->metaObject()->className(), name.toLatin1());
    if (!property.isEmpty()) {
        // Declared properties only: a dynamic one would round-trip anything.
        QVERIFY(widget->setProperty(property, value));
        QCOMPARE(widget->property(property), value);
    }
}

void tst_DesignerPlugin::showsEachWidgetWithItsOwnIcon_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QIcon::Mode>("mode");

    // The widget box's small and large icons, and a form's disabled entry.
    QTest::newRow("16") << 16 << QIcon::Normal;
    QTest::newRow("22") << 22 << QIcon::Normal;
    QTest::newRow("32 disabled") << 32 << QIcon::Disabled;
}

void tst_DesignerPlugin::showsEachWidgetWithItsOwnIcon()
{
    QFETCH(int, size);
    QFETCH(QIcon::Mode, mode);

    QList<QImage> pictures;
    for (const auto *plugin : std::as_const(widgets)) {
        const QIcon icon = plugin->icon();
        QVERIFY2(!icon.isNull(), qPrintable(plugin->name()));
        // Designer shows its generic icon instead of one with no pixmaps of
        // its own (one that paints itself), which also does not survive
        // being written out and read back.
        QVERIFY2(!icon.availableSizes().isEmpty(), qPrintable(plugin->name()));
        QByteArray saved;
        QDataStream out(&saved, QIODevice::WriteOnly);
        out << icon;
        QIcon restored;
        QDataStream in(saved);
        in >> restored;
        QCOMPARE(restored.availableSizes(), icon.availableSizes());
        const QImage picture
            = icon.pixmap(size, mode).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), QSize(size, size));
        // A picture on a clear ground: the corners show the widget box through.
        for (const QPoint corner : { QPoint(0, 0), QPoint(size - 1, size - 1) })
            QCOMPARE(qAlpha(picture.pixel(corner)), 0);
        int drawn = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                drawn += qAlpha(picture.pixel(x, y)) > 0 ? 1 : 0;
        }
        QVERIFY2(drawn > size * size / 10, qPrintable(plugin->name()));
        QVERIFY2(!pictures.contains(picture), qPrintable(plugin->name() + " looks like another"));
        pictures.append(picture);
    }
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
