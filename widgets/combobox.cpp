// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/combobox.h"

#include <QFontMetrics>
#include <QStandardItemModel>

#include <algorithm>

class ComboBoxPrivate
{
public:
    explicit ComboBoxPrivate(const QFont &font)
        : itemFont(font)
    {
    }

    QSize itemSize{-1, -1};
    QFont itemFont;
};

namespace {

const QSize noItemSize(-1, -1);

// Rows inserted into the model directly may have no item in column 0;
// there is nothing to format in such a row.
void setRowData(QStandardItemModel *model, int row, const QVariant &value, int role)
{
    if (QStandardItem *item = model->item(row, 0))
        item->setData(value, role);
}

} // namespace

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
    , d(std::make_unique<ComboBoxPrivate>(font()))
{
    // Only the model the box starts with is followed; a model set later is
    // formatted by the setters but not on insertion.
    if (auto *standardModel = qobject_cast<QStandardItemModel *>(model())) {
        connect(standardModel, &QAbstractItemModel::rowsInserted, this,
                &ComboBox::whenRowsInserted);
    }
    setFocusPolicy(Qt::TabFocus);
}

ComboBox::~ComboBox() = default;

QSize ComboBox::itemSize() const
{
    return d->itemSize;
}

const QFont &ComboBox::itemFont() const
{
    return d->itemFont;
}

void ComboBox::setItemSize(const QSize &size)
{
    if (size == d->itemSize)
        return;
    d->itemSize = size;

    auto *standardModel = qobject_cast<QStandardItemModel *>(model());
    if (!standardModel)
        return;
    // With no size of its own, an entry is as tall as the box itself.
    const QSize hint = d->itemSize != noItemSize ? d->itemSize : QSize(0, height());
    for (int row = 0; row < standardModel->rowCount(QModelIndex()); ++row)
        setRowData(standardModel, row, hint, Qt::SizeHintRole);
}

void ComboBox::setItemFont(const QFont &font)
{
    if (font == d->itemFont)
        return;
    d->itemFont = font;

    auto *standardModel = qobject_cast<QStandardItemModel *>(model());
    if (!standardModel)
        return;
    for (int row = 0; row < standardModel->rowCount(QModelIndex()); ++row)
        setRowData(standardModel, row, d->itemFont, Qt::FontRole);
}

void ComboBox::whenRowsInserted(const QModelIndex &parent, int start, int end)
{
    Q_UNUSED(parent);
    auto *standardModel = qobject_cast<QStandardItemModel *>(model());
    if (!standardModel)
        return;
    for (int row = start; row <= end; ++row) {
        if (d->itemSize != noItemSize)
            setRowData(standardModel, row, d->itemSize, Qt::SizeHintRole);
        setRowData(standardModel, row, d->itemFont, Qt::FontRole);
    }
}

QSize ComboBox::sizeHint() const
{
    // Measured in the box's own font: that is the font the current entry is
    // shown in when the list is closed.
    const QFontMetrics metrics(font());
    int tallest = 0;
    for (int i = 0; i < count(); ++i)
        tallest = std::max(tallest, metrics.size(0, itemText(i)).height());

    QSize hint = QComboBox::sizeHint();
    if (tallest > hint.height())
        hint.setHeight(tallest);
    return hint;
}
