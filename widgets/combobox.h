// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "widgets/picturebookwidgets_export.h"

#include <QComboBox>
#include <QFont>
#include <QSize>

#include <memory>

class ComboBoxPrivate;

// A combo box whose entries all share one item size and one item font,
// including entries added later. Its size hint is tall enough for the
// tallest entry text, so multi-line entries are not cut off in the box.
class PICTUREBOOK_WIDGETS_EXPORT ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent = nullptr);
    ~ComboBox() override;

    // (-1, -1) when no item size is set.
    QSize itemSize() const;
    const QFont &itemFont() const;

    QSize sizeHint() const override;

public slots:
    void setItemSize(const QSize &size);
    void setItemFont(const QFont &font);

private slots:
    void whenRowsInserted(const QModelIndex &parent, int start, int end);

private:
    std::unique_ptr<ComboBoxPrivate> const d;
};
