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

/*!
    \class ComboBox widgets/combobox.h
    \brief A QComboBox whose entries all share one item size and one item font.

    setItemSize() and setItemFont() apply to every entry of the list, those
    added later included, so that a list of large entries needs no delegate.
    The size hint is tall enough for the tallest entry text, so that entries of
    several lines are not cut off in the closed box. The box takes the focus
    from Tab, not from a click.

    The entries are formatted through their item data (Qt::SizeHintRole and
    Qt::FontRole) in the QStandardItemModel the box makes for itself. With a
    model of another kind set by QComboBox::setModel(), the size and font are
    kept but not applied; with another QStandardItemModel they are applied when
    they change, but entries added to it later are left as they come.

    \snippet widgetkitwindow.cpp combobox
*/

/*!
    Constructs an empty combo box with the given \a parent, with no item size
    and its own font as the item font.
*/
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

/*! Returns the item size; QSize(-1, -1) when none is set, as at first. */
QSize ComboBox::itemSize() const
{
    return d->itemSize;
}

/*! Returns the item font; at first, the box's own font at construction. */
const QFont &ComboBox::itemFont() const
{
    return d->itemFont;
}

/*!
    Makes \a size the size hint of every entry, present and future. With
    QSize(-1, -1) the item size is unset again: the present entries then ask
    for the box's current height, and entries added later for nothing.
    Setting the current size changes nothing.
*/
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

/*!
    Makes \a font the font of every entry, present and future. Setting the
    current font changes nothing.
*/
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

/*!
    Returns QComboBox's size hint, made as tall as the tallest entry text when
    that is taller. The texts are measured in the box's own font, the font the
    closed box shows the current entry in, not in the item font.
*/
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
