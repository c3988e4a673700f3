// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/combobox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QFont largeFont()
{
    QFont font;
    font.setPointSize(31);
    font.setBold(true);
    return font;
}

QVariant dataOf(const QComboBox &box, int row, int role)
{
    return box.model()->index(row, 0).data(role);
}

} // namespace

class tst_ComboBox : public QObject
{
    Q_OBJECT

private slots:
    void everyRowGetsItemFontAndSize_data();
    void everyRowGetsItemFontAndSize();
    void unsetItemSizeFallsBackToBoxHeight();
    void sizeHintFitsTallestText();
    void onlyTabGivesFocus();
};

// Entries come before or after the setters, one at a time or several in one
// call, appended or put in front.
void tst_ComboBox::everyRowGetsItemFontAndSize_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("how");

    const QStringList abc { "a", "b", "c" };
    QTest::newRow("all before") << abc << QStringList {} << "in one call";
    QTest::newRow("all after, one by one") << QStringList {} << abc << "one by one";
    QTest::newRow("all after, in one call") << QStringList {} << abc << "in one call";
    QTest::newRow("before and after, in front")
        << QStringList { "a", "b" } << QStringList { "c", "d" } << "in front";
}

void tst_ComboBox::everyRowGetsItemFontAndSize()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, how);

    ComboBox box;
    box.addItems(before);
    box.setItemFont(largeFont());
    box.setItemSize(QSize(120, 44));
    QCOMPARE(box.itemFont(), largeFont());
    QCOMPARE(box.itemSize(), QSize(120, 44));
    if (how == QLatin1String("in one call")) {
        box.addItems(after);
    } else {
        for (const QString &text : std::as_const(after))
            box.insertItem(how == QLatin1String("in front") ? 0 : box.count(), text);
    }
    QCOMPARE(box.count(), int(before.size() + after.size()));
    for (int row = 0; row < box.count(); ++row) {
        QCOMPARE(dataOf(box, row, Qt::FontRole).value<QFont>(), largeFont());
        QCOMPARE(dataOf(box, row, Qt::SizeHintRole).toSize(), QSize(120, 44));
    }
}

void tst_ComboBox::unsetItemSizeFallsBackToBoxHeight()
{
    ComboBox box;
    QCOMPARE(box.itemSize(), QSize(-1, -1));
    QCOMPARE(box.itemFont(), box.font());
    box.resize(150, 37);
    box.addItems({ QStringLiteral("a"), QStringLiteral("b") });
    QVERIFY(!dataOf(box, 0, Qt::SizeHintRole).isValid());
    box.setItemSize(QSize(80, 50));
    box.setItemSize(QSize(-1, -1));
    QCOMPARE(dataOf(box, 0, Qt::SizeHintRole).toSize(), QSize(0, 37));
    QCOMPARE(dataOf(box, 1, Qt::SizeHintRole).toSize(), QSize(0, 37));
    box.addItem(QStringLiteral("c"));
    QVERIFY(!dataOf(box, 2, Qt::SizeHintRole).isValid());

    // Rows put straight into the model have no item: they are left alone.
    auto *model = qobject_cast<QStandardItemModel *>(box.model());
    model->insertRows(1, 2);
    box.setItemSize(QSize(40, 40));
    QCOMPARE(model->item(1, 0), nullptr);
    QCOMPARE(dataOf(box, 0, Qt::SizeHintRole).toSize(), QSize(40, 40));

    // Other models keep their own data.
    box.setModel(new QStringListModel({ QStringLiteral("x") }, &box));
    box.setItemFont(largeFont());
    QVERIFY(!dataOf(box, 0, Qt::FontRole).isValid());
}

void tst_ComboBox::sizeHintFitsTallestText()
{
    QComboBox plain;
    ComboBox box;
    QCOMPARE(box.sizeHint(), plain.sizeHint());

    const QString tall = QStringLiteral("one\ntwo\nthree\nfour\nfive\nsix");
    for (QComboBox *each : { static_cast<QComboBox *>(&plain), static_cast<QComboBox *>(&box) }) {
        each->addItem(QStringLiteral("short"));
        each->addItem(tall);
    }
    // The box shows its entries in its own font, whatever the item font.
    box.setItemFont(largeFont());
    const int tallHeight = box.fontMetrics().size(0, tall).height();
    QVERIFY(tallHeight > plain.sizeHint().height());
    QCOMPARE(box.sizeHint(), QSize(plain.sizeHint().width(), tallHeight));
}

void tst_ComboBox::onlyTabGivesFocus()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *field = new QLineEdit(&window);
    auto *box = new ComboBox(&window);
    box->addItems({ QStringLiteral("a"), QStringLiteral("b") });
    layout->addWidget(field);
    layout->addWidget(box);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus(Qt::OtherFocusReason);

    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTRY_VERIFY(box->view()->isVisible());
    box->hidePopup();
    QVERIFY(!box->hasFocus());

    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(box->hasFocus());
}

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
